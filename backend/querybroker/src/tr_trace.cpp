// The agent's frame trace for the debugger.
#include "TRAgent.h"

#include <cstdio>

void CTRAgent::LogData(CString tag, BYTE* frame, int len)
{
    const int kTextSize = 2048;
    char text[kTextSize];
    int n = frame == NULL || len < 0 ? 0 : (len < kTextSize - 1 ? len : kTextSize - 1);
    for (int i = 0; i < n; ++i)
        text[i] = frame[i] == 0 ? '.' : static_cast<char>(frame[i]);
    text[n] = '\0';
    CString line;
    line.Format("Brisko TRAgent[%10s] [%04d:%s]\n", (LPCTSTR)tag, len, text);
    OutputDebugStringA(line);
}
