// CWideAmountList: exact 64-bit won amounts beside 32-bit record fields.
#include "WideAmountList.h"

#include <algorithm>
#include <cstring>

#include "NumberFormat.h"

namespace {

// The live lists; they are made, used and destroyed on the user-interface thread only.
std::vector<CWideAmountList*>& LiveLists()
{
    static std::vector<CWideAmountList*> lists;
    return lists;
}

} // namespace

CWideAmountList::CWideAmountList()
{
    LiveLists().push_back(this);
}

CWideAmountList::~CWideAmountList()
{
    std::vector<CWideAmountList*>& lists = LiveLists();
    lists.erase(std::remove(lists.begin(), lists.end(), this), lists.end());
}

int CWideAmountList::AddWideRecord(BYTE* record, int size, const WIDE_AMOUNT* amounts, int count, int redraw)
{
    if (record == NULL || size != GetRecordSize())
        return 0;
    // Kept before the record goes in: adding it formats its row at once.
    Kept entry;
    entry.bytes.assign(record, record + size);
    if (amounts != NULL && count > 0)
        entry.amounts.assign(amounts, amounts + count);
    m_kept.push_back(entry);
    if (!AddRecord(record, size, redraw)) {
        m_kept.pop_back();
        return 0;
    }
    // Amounts of records the list dropped beyond its row limit are not kept for long.
    if (GetMaxRowCount() >= 0 && (int)m_kept.size() > 2 * GetMaxRowCount() + 1)
        m_kept.erase(m_kept.begin(), m_kept.begin() + (m_kept.size() - GetMaxRowCount()));
    return 1;
}

void CWideAmountList::ClearWide(int redraw)
{
    m_kept.clear();
    ClearData(redraw);
}

CWideAmountList* CWideAmountList::OwnerOf(const tagGridDataInfo* d)
{
    for (CWideAmountList* list : LiveLists()) {
        const std::vector<tagGridDataInfo>& descriptions = list->m_descriptions;
        if (!descriptions.empty() && d >= descriptions.data() && d < descriptions.data() + descriptions.size())
            return list;
    }
    return NULL;
}

const CWideAmountList::Kept* CWideAmountList::FindKept(const BYTE* record) const
{
    // Only a record of this list is read: the field handed over may be a padded copy.
    if (std::find(m_records.begin(), m_records.end(), record) == m_records.end())
        return NULL;
    for (const Kept& kept : m_kept) {
        if ((int)kept.bytes.size() == m_nRecordSize && memcmp(kept.bytes.data(), record, kept.bytes.size()) == 0)
            return &kept;
    }
    return NULL;
}

void CWideAmountList::WideAmountCell(void* field, tagCell* cell, void* description)
{
    const tagGridDataInfo* d = static_cast<const tagGridDataInfo*>(description);
    if (field == NULL || cell == NULL || d == NULL || cell->pszText == NULL)
        return;
    const CWideAmountList* list = OwnerOf(d);
    if (list == NULL)
        return;
    const Kept* kept = list->FindKept(static_cast<const BYTE*>(field) - d->nOffset);
    if (kept == NULL)
        return;
    for (const WIDE_AMOUNT& amount : kept->amounts) {
        if (amount.nOffset != d->nOffset)
            continue;
        char text[40];
        IntToQuantityString(amount.llAmount, text, 1);
        // The buffer holds nBufSize characters and the terminator.
        lstrcpynA(cell->pszText, text, cell->nBufSize + 1);
        return;
    }
}
