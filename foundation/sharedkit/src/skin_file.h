// Reading one group of a skin file (the colour file or the image file): both have a root
// element, one child per named group and one child per entry with an "id" attribute.
#pragma once

#include <afxcoll.h>

#include <functional>

class CXMLNode;

namespace skin_file {

enum ReadResult {
    kUnreadable, // the file cannot be read or parsed
    kNoGroup,    // read, but no group of that name
    kLoaded,
};

// Loads the file, fills groups with the "text" of every child of the root and hands each
// element child of the group named group (compared exactly) to onEntry, in file order.
ReadResult ReadGroup(const CString& path, const char* root, const CString& group, CStringArray& groups,
                     const std::function<void(CXMLNode&)>& onEntry);

// A decimal id of 0-65535 (blanks around it allowed).
bool ParseId(const CString& text, WORD& id);

// Three comma-separated decimal numbers of 0-255 (blanks around each allowed).
bool ParseColor(const CString& text, COLORREF& colour);

} // namespace skin_file
