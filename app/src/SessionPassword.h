// The login password as the screen lock checks it: a salted, stretched hash kept in memory for
// the session only. The password itself is never stored, written or logged.
#pragma once

#include <afxwin.h>

class CSessionPassword
{
public:
    // Keeps the hash of the password under a new random salt (an empty password keeps none).
    // Blanks around the password are left out, as the login leaves them out.
    static void Remember(const char* password);
    // Whether the text is the remembered password, blanks around either left out; FALSE when
    // none is remembered.
    static BOOL Matches(const char* text);
    static BOOL IsSet();
    static void Forget();
};
