// Fuzz targets of the model's two loaders: the property set's archive and the property string.
// Each takes any bytes; a malformed input may raise the archive's exception and nothing else.
// Both return whether the input was read as a whole.
#pragma once

#include <stddef.h>

typedef unsigned char FuzzByte;

bool FuzzPropertiesArchive(const FuzzByte* data, size_t size);
bool FuzzPropertyString(const FuzzByte* data, size_t size);
