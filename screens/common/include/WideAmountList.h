// CWideAmountList: a record-bound list whose won columns can show amounts beyond the 32-bit
// fields of its records. The records keep their layout (the field holds the amount cut to the
// 32-bit range); the list keeps the exact 64-bit amounts of each record beside it, and the
// column's cell procedure writes the kept amount's text in place of the field's.
#pragma once

#include <vector>

#include "GridDataList.h"

// One 32-bit won field of a record (its offset) and the 64-bit amount it stands for.
struct WIDE_AMOUNT
{
    WORD nOffset;
    LONGLONG llAmount;
};

class CWideAmountList : public CGridDataList
{
public:
    CWideAmountList();
    virtual ~CWideAmountList();

    // Appends one record (size: the record size) with the exact amounts of its won fields;
    // each field should hold the amount cut to 32 bits (CutToInt32). 0 when refused.
    int AddWideRecord(BYTE* record, int size, const WIDE_AMOUNT* amounts, int count, int redraw);
    // Removes every record and the amounts kept for them.
    void ClearWide(int redraw);

    // Cell procedure of a 32-bit won column in quantity format: the kept 64-bit amount with
    // separators; a record without kept amounts keeps the text of its field.
    static void WideAmountCell(void* field, tagCell* cell, void* description);

protected:
    // A record's bytes and its exact amounts: the list finds them by the record's content, so
    // a record replaced without this list's knowledge never shows another's amount.
    struct Kept
    {
        std::vector<BYTE> bytes;
        std::vector<WIDE_AMOUNT> amounts;
    };
    // The list whose column a description is, among the live ones; NULL for another list's.
    static CWideAmountList* OwnerOf(const tagGridDataInfo* description);
    const Kept* FindKept(const BYTE* record) const;

    std::vector<Kept> m_kept;
};
