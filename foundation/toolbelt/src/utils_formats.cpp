#include "Utils.h"

CString CUtils::GetTarrowAcntFormat(CString account)
{
    const int length = account.GetLength();
    if (length < 9)
        return account;
    CString text = account;
    const char first = account[0];
    if (first == '0' || first == '1' || first == '9') {
        if (length >= 12)
            text.Insert(11, '-');
        text.Insert(5, '-');
        text.Insert(3, '-');
    } else if (first == '5' && length == 11) {
        text.Insert(5, '-');
        text.Insert(3, '-');
    } else {
        text.Insert(9, '-');
        if (length > 11)
            text.Insert(11, '-');
    }
    return text;
}

int CUtils::GetStockPriceTick(int price)
{
    if (price < 1000)
        return 1;
    if (price < 5000)
        return 5;
    if (price < 10000)
        return 10;
    if (price < 50000)
        return 50;
    if (price < 100000)
        return 100;
    if (price < 500000)
        return 500;
    return 1000;
}
