#include "LoadingLog.h"

#include "TextCodec.h"

bool LoadingLog::Open(const QString& path)
{
    Close();
    QFile::remove(path);
    file_.setFileName(path);
    return file_.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void LoadingLog::Line(const QString& text)
{
    if (!file_.isOpen())
        return;
    file_.write(EncodeWindows1250(text) + "\r\n");
    file_.flush();
}

void LoadingLog::Close()
{
    if (file_.isOpen())
        file_.close();
}
