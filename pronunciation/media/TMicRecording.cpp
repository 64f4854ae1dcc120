#include "TMicRecording.h"

#include "platform/SoundCommands.h"

#include <QFile>

namespace {

void Send(const QString& command)
{
    std::string answer;
    kurs::sound::sendSoundCommand(command.toStdString(), answer);
}

} // namespace

TMicRecording::~TMicRecording()
{
    if (recording_)
        Stop(true);
}

void TMicRecording::Start(const QString& file)
{
    if (recording_)
        Stop(true);
    recording_ = true;
    file_ = file;
    QFile::remove(file);
    const QString alias = QLatin1String(Alias);
    Send(QStringLiteral("OPEN NEW TYPE WAVEAUDIO ALIAS ") + alias);
    Send(QStringLiteral("SET %1 TIME FORMAT MS BITSPERSAMPLE 16 CHANNELS 1 SAMPLESPERSEC 22050 ALIGNMENT 2 "
                        "BYTESPERSEC 44100")
             .arg(alias));
    Send(QStringLiteral("RECORD ") + alias);
}

void TMicRecording::Stop(bool save)
{
    if (!recording_)
        return;
    recording_ = false;
    const QString alias = QLatin1String(Alias);
    Send(QStringLiteral("STOP ") + alias);
    QFile::remove(file_);
    if (save)
        Send(QStringLiteral("SAVE %1 \"%2\"").arg(alias, file_));
    Send(QStringLiteral("CLOSE ") + alias);
}
