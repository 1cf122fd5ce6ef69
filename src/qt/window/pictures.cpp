#include "pictures.h"

#include <QFile>
#include <QtEndian>

QIcon logoIcon()
{
    QIcon icon(QStringLiteral(":/logo.png"));
    icon.addFile(QStringLiteral(":/icons/taktzeit-64.png"));
    return icon;
}

QCursor handCursor()
{
    QFile file(QStringLiteral(":/hand.cur"));
    if (!file.open(QIODevice::ReadOnly))
        return QCursor(Qt::PointingHandCursor);
    const QByteArray bytes = file.readAll();
    QPixmap image;
    // The hot spot, the fingertip, is kept in the cursor file's directory entry.
    if (bytes.size() < 14 || !image.loadFromData(bytes, "CUR"))
        return QCursor(Qt::PointingHandCursor);
    const auto* entry = reinterpret_cast<const uchar*>(bytes.constData()) + 6;
    return QCursor(image, qFromLittleEndian<quint16>(entry + 4), qFromLittleEndian<quint16>(entry + 6));
}
