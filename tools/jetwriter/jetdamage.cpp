#include "jetdamage.h"

#include <QtEndian>

namespace
{

constexpr int kPage = JetDataPage::kSize;
constexpr int kRowTable = JetDataPage::kRowCount + 2;

// Where row of the page at pageStart begins; rows fill a page downwards from its end.
int rowStart(const QByteArray &jet, qsizetype pageStart, int row)
{
    return qFromLittleEndian<quint16>(jet.constData() + pageStart + kRowTable + 2 * row) & 0x1fff;
}

qsizetype rowAt(const QByteArray &jet, quint32 address)
{
    const qsizetype page = qsizetype(address >> 8) * kPage;
    return page + rowStart(jet, page, int(address & 0xff));
}

void zeroRow(QByteArray &jet, quint32 address)
{
    const qsizetype page = qsizetype(address >> 8) * kPage;
    const int row = int(address & 0xff);
    const int start = rowStart(jet, page, row);
    const int end = row == 0 ? kPage : rowStart(jet, page, row - 1);
    jet.replace(page + start, end - start, QByteArray(end - start, '\0'));
}

} // namespace

QByteArray damageJet(const JetImage &image, const QString &table, JetDamage how)
{
    QByteArray jet = image.bytes;
    const JetTableLayout *t = image.table(table);
    if (!t || t->dataPages.isEmpty())
        return jet;
    const qsizetype first = qsizetype(t->dataPages.first()) * kPage;
    switch (how) {
    case JetDamage::CutInHalf:
        return jet.left(jet.size() / 2);
    case JetDamage::CutBeforeLastPage:
        return jet.left(qsizetype(t->dataPages.last()) * kPage);
    case JetDamage::PageMapZeroed:
        zeroRow(jet, t->usedPagesMap);
        break;
    case JetDamage::RowCountZeroed:
        jet[first + JetDataPage::kRowCount] = jet[first + JetDataPage::kRowCount + 1] = 0;
        break;
    case JetDamage::RowFlagFlipped:
        jet[first + kRowTable + 1] = char(jet.at(first + kRowTable + 1) ^ 0x40);
        break;
    case JetDamage::BytesFlipped:
        for (qsizetype i = 2 * kPage; i < first + kPage; i += 97)
            jet[i] = char(jet.at(i) ^ 0x5a);
        break;
    case JetDamage::MemoChainLooping:
        if (!t->memoChains.isEmpty())
            qToLittleEndian<quint32>(t->memoChains.first(),
                                     jet.data() + rowAt(jet, t->memoChains.first()));
        break;
    }
    return jet;
}
