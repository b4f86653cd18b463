#include "missingfilesmodel.h"

void MissingFilesModel::setFiles(QList<MissingFile> files)
{
    beginResetModel();
    m_files = std::move(files);
    endResetModel();
}

int MissingFilesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_files.size());
}

int MissingFilesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MissingFilesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != sortRole))
        return {};
    const MissingFile &file = m_files.at(index.row());
    switch (index.column()) {
    case Id:
        if (role == sortRole)
            return file.game;
        // The configuration's folders belong to no game.
        return file.game ? QString::number(file.game) : QStringLiteral("-");
    case Title:
        return file.title;
    case What:
        return file.what;
    case Path:
        return file.path;
    default:
        return {};
    }
}

QVariant MissingFilesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Id:
        return tr("Id");
    case Title:
        return tr("Title");
    case What:
        return tr("What");
    case Path:
        return tr("Path");
    default:
        return {};
    }
}
