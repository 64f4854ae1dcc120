#pragma once

#include <QByteArray>
#include <QString>

// The system's single-byte code page (Windows-1250, Central European). Content
// files prepared for the course (Skroty tables, the loading and error logs)
// use it. Characters the code page cannot hold are written as '?'.
QString DecodeWindows1250(const QByteArray& bytes);
QByteArray EncodeWindows1250(const QString& text);
