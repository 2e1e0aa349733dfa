#pragma once

#include <QByteArray>
#include <QString>

// The code page of the files the program writes and reads. A character the code page lacks
// is written as '?'.
namespace Windows1252 {
QByteArray codifica(const QString& testo);
QString decodifica(const QByteArray& byte);
}  // namespace Windows1252
