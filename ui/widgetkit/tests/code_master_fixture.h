// A code master for the code control tests (the session's master is empty at run time): a few
// coins put into the session's map for the length of a test, taken out again after it.
#pragma once

#include <deque>
#include <string>

#include "SharedData.h"

class CodeMasterFixture
{
public:
    CodeMasterFixture()
    {
        Add(1, "BTC", "비트코인");
        Add(0, "BCH", "비트코인캐시");
        Add(1, "ETH", "이더리움");
        Add(0, "XRP", "리플");
        Add(0, "ADA", "에이다");
        Add(1, "NAMU", "나무");
        Add(0, "000660", "하이닉스");
    }
    ~CodeMasterFixture()
    {
        if (CSharedData::GetRecentCode() != nullptr)
            CSharedData::SetRecentCode(nullptr);
        CSharedData::GetStockMap().RemoveAll();
    }
    _API_CODE_INFO* Get(const char* code) { return CSharedData::GetStockCodeInfo(code); }

private:
    void Add(int type, const char* code, const char* name)
    {
        m_records.emplace_back();
        _API_CODE_INFO& record = m_records.back();
        record.nMarketType = type;
        record.strCode = code;
        record.strName = name;
        record.nValue1 = record.nValue2 = 0;
        CSharedData::GetStockMap().SetAt(code, &record);
    }
    std::deque<_API_CODE_INFO> m_records;
};
