#include "TNagrywanie.h"

#include "platform/DeviceError.h"

TWaveObject::TWaveObject()
{
    format_.formatTag = kurs::sound::kPcmFormatTag;
    format_.channels = 1;
    format_.samplesPerSec = 22050;
    format_.bitsPerSample = 16;
    format_.blockAlign = format_.channels * format_.bitsPerSample / 8;
    format_.avgBytesPerSec = format_.samplesPerSec * format_.blockAlign;
    format_.extraSize = 0;
}

TSoundRecorder::TSoundRecorder()
{
    for (size_t i = 0; i < buffers_.size(); ++i) {
        buffers_[i].assign(BufferBytes, 0);
        headers_[i].data = buffers_[i].data();
        headers_[i].sizeBytes = BufferBytes;
    }
}

TSoundRecorder::~TSoundRecorder()
{
    if (!device_.isOpen())
        return;
    device_.reset();
    for (kurs::sound::WaveInBuffer& header : headers_)
        if (header.prepared)
            device_.unprepare(header);
    device_.close();
}

void TSoundRecorder::Open()
{
    const std::uint32_t result = device_.open(0, format_);
    if (result != kurs::sound::kDeviceOk || !device_.isOpen())
        throw ESndError(kurs::sound::deviceErrorText(result).substr(0, 128));
    for (kurs::sound::WaveInBuffer& header : headers_)
        device_.prepare(header);
}

TNagrywanie::TNagrywanie()
    : recorder_(std::make_unique<TSoundRecorder>())
{
    recorder_->Open();
}
