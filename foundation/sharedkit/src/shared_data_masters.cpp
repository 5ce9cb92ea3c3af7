// The code masters: the coin master and the derivatives masters of the securities terminal this
// system grew from. Nothing in this system fills them; the lookups answer as on empty data.
#include "SharedData.h"

#include <cstring>

#include "owned_entries.h"

_API_CODE_INFO* CSharedData::m_pRecentCode = NULL;
CAPICodeMap CSharedData::m_arrayAPIStockMaster;
CFmtCodeArray CSharedData::s_arrayFutureMaster;
CFmtCodeArray CSharedData::s_arCOPIdxCde;
CFmtCodeArray CSharedData::s_arPOPIdxCde;
CFmtCodeArray CSharedData::s_arSrdIdxCde;
CMapStringToString CSharedData::m_mapIndexCode;
tagOptInfo CSharedData::s_OptInfo = {{0}};

namespace {

const int kShortCompare = 5;
const int kLongCompare = 8;
const int kMinRecordedCode = 9;
const int kFirstCodeYear = 1996;

// The array of a record kind ('1' to '4'), or NULL.
CFmtCodeArray* ArrayOfKind(char kind)
{
    switch (kind) {
    case '1':
        return &CSharedData::s_arrayFutureMaster;
    case '2':
        return &CSharedData::s_arCOPIdxCde;
    case '3':
        return &CSharedData::s_arPOPIdxCde;
    case '4':
        return &CSharedData::s_arSrdIdxCde;
    default:
        return NULL;
    }
}

// The first record of the array whose bytes from offset equal text over n bytes.
tagFmtCode* FindRecord(CFmtCodeArray* records, int offset, const char* text, size_t n)
{
    if (records == NULL || strnlen(text, n) < n)
        return NULL;
    for (INT_PTR i = 0; i < records->GetSize(); ++i) {
        tagFmtCode* record = records->GetAt(i);
        if (memcmp(record->szRecord + offset, text, n) == 0)
            return record;
    }
    return NULL;
}

char CodeDigit(int value)
{
    return static_cast<char>(value < 10 ? '0' + value : 'A' + value - 10);
}

} // namespace

void CSharedData::SetRecentCode(_API_CODE_INFO* code)
{
    m_pRecentCode = code;
}

_API_CODE_INFO* CSharedData::GetRecentCode()
{
    return m_pRecentCode;
}

CAPICodeMap& CSharedData::GetStockMap()
{
    return m_arrayAPIStockMaster;
}

_API_CODE_INFO* CSharedData::GetStockCodeInfo(const char* code)
{
    if (code == NULL)
        return NULL;
    POSITION pos = m_arrayAPIStockMaster.GetStartPosition();
    while (pos != NULL) {
        CString key;
        _API_CODE_INFO* info = NULL;
        m_arrayAPIStockMaster.GetNextAssoc(pos, key, info);
        if (info != NULL && info->strCode == code)
            return info;
    }
    return NULL;
}

int CSharedData::GetCodeMarketType(const char* code)
{
    _API_CODE_INFO* info = GetStockCodeInfo(code);
    return info != NULL ? info->nMarketType : -1;
}

void CSharedData::RegistCode(tagFmtCode* record)
{
    if (record == NULL)
        return;
    CFmtCodeArray* records = ArrayOfKind(record->szRecord[tagFmtCode::KIND]);
    if (records == NULL)
        return;
    const BYTE* code = reinterpret_cast<const BYTE*>(record->szRecord + tagFmtCode::CODE);
    if ((code[0] | (code[1] << 8)) < kMinRecordedCode)
        return;
    tagFmtCode* copy = new tagFmtCode;
    memcpy(copy, record, sizeof *copy);
    records->Add(copy);
}

void CSharedData::FreeCodeMasters()
{
    for (CFmtCodeArray* records : {&s_arrayFutureMaster, &s_arCOPIdxCde, &s_arPOPIdxCde, &s_arSrdIdxCde})
        owned_entries::DeleteElements(*records);
    m_mapIndexCode.RemoveAll();
}

CFmtCodeArray& CSharedData::GetFutureLst() { return s_arrayFutureMaster; }
CFmtCodeArray& CSharedData::GetCallOptLst() { return s_arCOPIdxCde; }
CFmtCodeArray& CSharedData::GetPutOptLst() { return s_arPOPIdxCde; }
CFmtCodeArray& CSharedData::GetSpreadLst() { return s_arSrdIdxCde; }
tagOptInfo* CSharedData::GetOptPrcInfo() { return &s_OptInfo; }

tagFmtCode* CSharedData::GetCodeInfo(const char* code)
{
    if (code == NULL || strlen(code) != kShortCompare)
        return NULL;
    char upper[kShortCompare + 1];
    memcpy(upper, code, sizeof upper);
    ::CharUpperBuffA(upper, kShortCompare);
    return FindRecord(ArrayOfKind(upper[0]), tagFmtCode::CODE, upper, kShortCompare);
}

char CSharedData::GetCodeType(const char* code)
{
    if (code == NULL)
        return 0;
    size_t len = strlen(code);
    if (len > 7) {
        if (len == 12) {
            code += 3;
            len -= 3;
        }
        tagFmtCode* record = FindRecord(ArrayOfKind(code[0]), tagFmtCode::CODE, code, kShortCompare);
        return record != NULL ? record->szRecord[tagFmtCode::KIND] : 0;
    }
    CString name;
    return m_mapIndexCode.Lookup(code, name) ? 'I' : 0;
}

const char* CSharedData::GetNextFutCode(const char* code)
{
    static char next[tagFmtCode::STANDARD_CODE_LENGTH + 1];
    memset(next, 0, sizeof next);
    INT_PTR index = -1;
    if (code == NULL) {
        index = 0;
    } else {
        for (INT_PTR i = 0; i < s_arrayFutureMaster.GetSize(); ++i) {
            const char* standard = s_arrayFutureMaster[i]->szRecord + tagFmtCode::STANDARD_CODE;
            if (strncmp(standard, code, tagFmtCode::STANDARD_CODE_LENGTH) == 0) {
                index = i + 1;
                break;
            }
        }
    }
    if (index >= 0 && index < s_arrayFutureMaster.GetSize())
        memcpy(next, s_arrayFutureMaster[index]->szRecord + tagFmtCode::STANDARD_CODE,
               tagFmtCode::STANDARD_CODE_LENGTH);
    return next;
}

const char* CSharedData::GetIndexName(const char* code)
{
    const CMapStringToString::CPair* pair = code != NULL ? m_mapIndexCode.PLookup(code) : NULL;
    return pair != NULL ? static_cast<const char*>(pair->value) : "";
}

int CSharedData::GetStrike(const char* code, char* out, int byShortCode)
{
    if (code == NULL || out == NULL)
        return 0;
    tagFmtCode* record = NULL;
    if (byShortCode)
        record = FindRecord(ArrayOfKind(code[0]), tagFmtCode::CODE, code, kLongCompare);
    else if (strnlen(code, 4) == 4)
        record = FindRecord(ArrayOfKind(code[3]), tagFmtCode::STANDARD_CODE, code,
                            tagFmtCode::STANDARD_CODE_LENGTH);
    if (record == NULL || (record->szRecord[tagFmtCode::KIND] != '2' && record->szRecord[tagFmtCode::KIND] != '3'))
        return 0;
    memcpy(out, record->szRecord + tagFmtCode::STRIKE, tagFmtCode::STRIKE_LENGTH);
    out[tagFmtCode::STRIKE_LENGTH] = '\0';
    return 1;
}

const char* CSharedData::GetSimpleCode(const char* code)
{
    (void)code;
    return "";
}

void CSharedData::GetItemCode(char kind, WORD year, WORD month, const char* underlying, char* out)
{
    if (out == NULL)
        return;
    out[0] = kind;
    out[1] = '0';
    out[2] = '1';
    out[3] = CodeDigit((year - kFirstCodeYear + 30 * 100) % 30);
    out[4] = CodeDigit(month % 30);
    // A short or missing underlying leaves blanks rather than reading past its end.
    const size_t n = underlying != NULL ? strnlen(underlying, 3) : 0;
    for (size_t i = 0; i < 3; ++i)
        out[5 + i] = i < n ? underlying[i] : ' ';
    out[8] = '\0';
    out[9] = '\0';
}

int CSharedData::LoadMaster() { return 1; }
int CSharedData::LoadFOMaster(CString path) { (void)path; return 1; }
void CSharedData::Initialize() {}
void CSharedData::UnLoadMaster() {}
void CSharedData::GetOptCodes() {}
void CSharedData::GetOptMonths() {}
void CSharedData::GetStrikes() {}
