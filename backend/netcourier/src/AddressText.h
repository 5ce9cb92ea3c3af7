// Checks of server addresses before they are stored in the 16-byte address field.
#pragma once

namespace address_text {

// A dotted IPv4 address: four decimal parts of 0-255, at most 15 characters.
bool IsIPv4(const char* text);
// An IPv4 address or a host name (letters, digits, '-' and '.') of at most 15 characters.
bool IsServerAddress(const char* text);

} // namespace address_text
