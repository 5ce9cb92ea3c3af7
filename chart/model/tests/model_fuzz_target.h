// Fuzz targets of the model's two loaders: the property set's archive and the property string.
// Each takes any bytes; a malformed input may raise the archive's exception and nothing else.
#pragma once

#include <stddef.h>

typedef unsigned char FuzzByte;

void FuzzPropertiesArchive(const FuzzByte* data, size_t size);
void FuzzPropertyString(const FuzzByte* data, size_t size);
