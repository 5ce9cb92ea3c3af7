// CODE_INFO: the item-code record, filled from fixed-field master records.
#include "CodeInfo.h"

#include <cstdlib>
#include <cstring>

namespace {

// The text of a fixed field: up to its first NUL, at most n bytes.
CString Field(const char* p, size_t n, bool trim)
{
    CString text(p, static_cast<int>(strnlen(p, n)));
    if (trim)
        text.Trim(' ');
    return text;
}

// A NUL-terminated text that starts at offset of a record of size bytes (cut at the record end).
CString RecordText(const char* record, size_t size, size_t offset, bool trim)
{
    return Field(record + offset, size - offset, trim);
}

} // namespace

CODE_INFO::CODE_INFO() : m_nField1(0), m_nField2(0), m_nField3(0), m_nField4(0), m_nField5(0) {}

CODE_INFO::CODE_INFO(const CODE_INFO& other)
    : m_nField1(other.m_nField1), m_nField2(other.m_nField2), m_nField3(other.m_nField3),
      m_nField4(other.m_nField4), m_nField5(other.m_nField5), m_strField1(other.m_strField1),
      m_strField2(other.m_strField2), m_strField3(other.m_strField3), m_strField4(other.m_strField4),
      m_strField5(other.m_strField5), m_strField6(other.m_strField6), m_strField7(other.m_strField7)
{
}

CODE_INFO& CODE_INFO::operator=(const CODE_INFO& other)
{
    m_nField1 = other.m_nField1;
    m_nField2 = other.m_nField2;
    m_nField3 = other.m_nField3;
    m_nField4 = other.m_nField4;
    m_nField5 = other.m_nField5;
    m_strField1 = other.m_strField1;
    m_strField2 = other.m_strField2;
    m_strField3 = other.m_strField3;
    m_strField4 = other.m_strField4;
    m_strField5 = other.m_strField5;
    m_strField6 = other.m_strField6;
    m_strField7 = other.m_strField7;
    return *this;
}

CODE_INFO::~CODE_INFO() {}

void CODE_INFO::UpdateCode(tagFmtCode* record)
{
    if (record == NULL)
        return;
    const char* r = record->szRecord;
    m_strField1 = Field(r + 0, 13, true);
    m_strField2 = Field(r + 13, 13, true);
    m_strField3 = Field(r + 26, 21, true);
    m_strField4 = Field(r + 47, 33, true);
    m_strField5 = Field(r + 80, 33, true);
    m_strField6 = Field(r + 129, 6, false);
}

void CODE_INFO::UpdateCode(tagELWCode* record)
{
    if (record == NULL)
        return;
    const char* r = record->szRecord;
    const size_t size = tagELWCode::SIZE;
    m_nField1 = atoi(RecordText(r, size, tagELWCode::KIND, false));
    m_strField1 = RecordText(r, size, tagELWCode::CODE, true);
    m_strField2 = RecordText(r, size, tagELWCode::SHORT_CODE, true);
    m_strField3 = RecordText(r, size, tagELWCode::NAME, true);
    m_strField6 = RecordText(r, size, tagELWCode::FIELD6, false);
    m_strField7 = RecordText(r, size, tagELWCode::FIELD7, true);
}

void CODE_INFO::UpdateCode(tagEQTYCode* record)
{
    if (record == NULL)
        return;
    m_strField1 = Field(record->szCode, sizeof record->szCode, true);
    m_strField3 = Field(record->szName, sizeof record->szName, true);
}
