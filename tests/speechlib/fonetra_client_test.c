/* A client of libfonetra written in plain C: it links the library as the course
 * program does and checks the exported interface on wave files it writes
 * itself. Runs without a sound server (PULSE_SERVER names a missing socket). */
#include "speechlib/Fonetra.h"

#include <fcntl.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static int passed;
static int failed;

#define CHECK(condition)                                                                   \
    do {                                                                                   \
        if (condition) {                                                                   \
            ++passed;                                                                      \
        } else {                                                                           \
            ++failed;                                                                      \
            fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);  \
        }                                                                                  \
    } while (0)

static void put16(FILE* file, unsigned value)
{
    fputc((int)(value & 0xFF), file);
    fputc((int)((value >> 8) & 0xFF), file);
}

static void put32(FILE* file, unsigned long value)
{
    put16(file, (unsigned)(value & 0xFFFF));
    put16(file, (unsigned)((value >> 16) & 0xFFFF));
}

/* A 16-bit mono file at 11025 Hz: a sine of the given frequency, or silence for 0. */
static void write_tone(const char* path, double frequency, unsigned samples)
{
    FILE* file = fopen(path, "wb");
    unsigned i;
    if (file == NULL) {
        perror(path);
        exit(2);
    }
    fwrite("RIFF", 1, 4, file);
    put32(file, 36 + samples * 2ul);
    fwrite("WAVEfmt ", 1, 8, file);
    put32(file, 16);
    put16(file, 1);
    put16(file, 1);
    put32(file, 11025);
    put32(file, 22050);
    put16(file, 2);
    put16(file, 16);
    fwrite("data", 1, 4, file);
    put32(file, samples * 2ul);
    for (i = 0; i < samples; ++i) {
        const double value = frequency > 0 ? 12000.0 * sin(2.0 * M_PI * frequency * i / 11025.0) : 0.0;
        put16(file, (unsigned)(int)value & 0xFFFF);
    }
    fclose(file);
}

static int all_zero(const uint16_t* values, uint32_t from, uint32_t count)
{
    uint32_t i;
    for (i = from; i < count; ++i) {
        if (values[i] != 0)
            return 0;
    }
    return 1;
}

static void check_missing_file(void)
{
    VX_V_InitDsp("/nonexistent/kurs-missing.wav");
    CHECK(VX_N4_WaveCount() == 0);
    CHECK(VX_N4_WaveTime() == 0);
    CHECK(VX_P32_Waveform() == NULL);
    CHECK(VX_P32N2_Energy() == NULL);
    CHECK(VX_P32N2_ZeroX() == NULL);
    CHECK(VX_P32N2_Pitch() == NULL);
    CHECK(VX_N4_PitchCount() == 0);
    CHECK(VX_P32N2_EnergySegment(0) == NULL);
    CHECK(VX_N4_EnergySegmentCount(0, 100) == 0);
    CHECK(!VX_B_Voiced(0, 100));
}

static void check_silence(const char* path)
{
    write_tone(path, 0.0, 11025);
    VX_V_InitDsp(path);
    CHECK(VX_N4_WaveCount() == 11025);
    CHECK(VX_N4_WaveTime() == 1000);
    CHECK(VX_N4_EnergyCount() == 37);
    CHECK(VX_P32N2_Energy() != NULL && all_zero(VX_P32N2_Energy(), 0, VX_N4_EnergyCount()));
    CHECK(VX_N4_EnergyMean() == 0);
    CHECK(VX_N4_EnergyMin() == 0);
    CHECK(VX_N4_EnergyMax() == 0);
    CHECK(VX_P32N2_Pitch() != NULL && all_zero(VX_P32N2_Pitch(), 0, VX_N4_PitchCount()));
    CHECK(VX_N4_PitchMax() == 0);
    CHECK(VX_N4_PitchMin() == 32767);
    CHECK(VX_N4_ZeroXCount() == 213);
    CHECK(VX_P32N2_ZeroX() != NULL && all_zero(VX_P32N2_ZeroX(), 0, VX_N4_ZeroXCount()));
    CHECK(VX_N4_ZeroXMean() == 0);
}

static void check_150_hz(const char* path)
{
    const uint16_t* pitch;
    uint32_t count;
    uint32_t k;
    int steady = 1;
    write_tone(path, 150.0, 22050);
    VX_V_InitDsp(path);
    pitch = VX_P32N2_Pitch();
    count = VX_N4_PitchCount();
    CHECK(pitch != NULL && count == 73);
    for (k = 3; pitch != NULL && k + 3 < count; ++k) {
        if (pitch[k] != 147 && pitch[k] != 153)
            steady = 0;
    }
    CHECK(steady);
    CHECK(VX_N4_PitchMean() >= 147 && VX_N4_PitchMean() <= 153);
    CHECK(VX_N4_PitchMin() >= 147 && VX_N4_PitchMax() <= 153);
    CHECK(VX_N4_Mean(100, 1900) >= 147 && VX_N4_Mean(100, 1900) <= 153);

    /* 2000 ms, 73 frames: a frame every 27.4 ms. */
    CHECK(VX_N4_WaveTime() == 2000);
    CHECK(VX_P32N2_EnergySegment(1000) == VX_P32N2_Energy() + 36);
    CHECK(VX_P32N2_PitchSegment(1000) == VX_P32N2_Pitch() + 36);
    CHECK(VX_N4_EnergySegmentCount(1000, 1099) == 3);
    CHECK(VX_N4_PitchSegmentCount(1000, 1000) == 0);
    CHECK(VX_N4_ZeroXSegmentCount(0, 1999) == VX_N4_ZeroXCount());
    CHECK(VX_P32N2_ZeroXSegment(2000) == NULL);

    /* Index i addresses element i x block align: every second sample. */
    CHECK(VX_P32_WaveformOffset(3) == VX_P32_Waveform() + 6);
    CHECK(VX_P32_WaveformOffset(11024) == VX_P32_Waveform() + 22048);
    CHECK(VX_P32_WaveformOffset(11025) == NULL);
}

static void check_400_hz(const char* path)
{
    write_tone(path, 400.0, 11025);
    VX_V_InitDsp(path);
    CHECK(VX_P32N2_Pitch() != NULL && all_zero(VX_P32N2_Pitch(), 2, VX_N4_PitchCount()));
    CHECK(VX_N4_PitchMean() == 0);
}

static void check_sound_without_server(const char* folder)
{
    char recording[512];
    snprintf(recording, sizeof recording, "%s/nagranie.wav", folder);

    VX_V_DebugMode(3);
    VX_V_InitSound(recording);
    CHECK(VX_N4_Samples() == 0);
    CHECK(VX_P32I2_Buffer() == NULL);
    CHECK(VX_P32I2_BufferOffset(0) == NULL);

    CHECK(VX_N4_VCCalibrate(1000) == 0);
    CHECK(VX_I4_LastError() == 6);
    CHECK(strcmp(VX_STRING_LastError(), "general sound calibration error\nno device driver present") == 0);
    CHECK(strstr(VX_STRING_ErrorLog(), "[6] Can't open waveIn (Calibrate) \nno device driver present\n") != NULL);

    VX_V_VCSetPauseSeconds(1);
    VX_V_VCSetSilenceLevel(5);
    CHECK(!VX_B_VCRecord());
    CHECK(strcmp(VX_STRING_LastError(), "Sound recording trouble\nno device driver present") == 0);
    CHECK(access(recording, F_OK) != 0);

    VX_V_DebugMode(3);
    CHECK(!VX_B_Play());
    CHECK(!VX_B_PlayWait());
    CHECK(!VX_B_IsPlaying());
    CHECK(VX_I4_LastError() == 0);

    CHECK(!VX_B_Record());
    CHECK(VX_I4_LastError() == -1);
    CHECK(strncmp(VX_STRING_LastError(), "MCI error: \n", 12) == 0);
    CHECK(!VX_B_IsRecording());
    CHECK(!VX_B_StopRecord());
    CHECK(!VX_B_StopPlay());

    VX_V_SetRate(11025);
    VX_V_SetBits(8);
    CHECK(VX_N4_Samples() == 0);
}

static void check_diagnostics(void)
{
    int pipe_ends[2];
    char text[256];
    ssize_t length;
    CHECK(pipe(pipe_ends) == 0);
    fcntl(pipe_ends[0], F_SETFL, O_NONBLOCK);

    VX_V_DebugTarget(2, pipe_ends[1]);
    VX_V_DebugMode(0);
    VX_V_DebugMessage("hidden %d", 1);
    VX_V_DebugMode(2);
    VX_V_DebugMessage("shown %d %s", 2, "ms");
    VX_V_InitDsp("/nonexistent/x.wav");
    VX_V_DebugMode(7);
    length = read(pipe_ends[0], text, sizeof text - 1);
    text[length > 0 ? length : 0] = '\0';
    CHECK(strcmp(text, "shown 2 ms\n[-1] No file to read from for\n/nonexistent/x.wav\n") == 0);

    VX_V_DebugMode(3);
    CHECK(VX_I4_LastError() == 0);
    CHECK(strcmp(VX_STRING_LastError(), "") == 0);
    VX_V_DebugTarget(0, 0);
    close(pipe_ends[0]);
    close(pipe_ends[1]);
}

int main(void)
{
    char folder[] = "/tmp/fonetra-client-XXXXXX";
    char path[512];
    if (mkdtemp(folder) == NULL) {
        perror("mkdtemp");
        return 2;
    }
    snprintf(path, sizeof path, "%s/ton.wav", folder);

    check_missing_file();
    check_silence(path);
    check_150_hz(path);
    check_400_hz(path);
    check_sound_without_server(folder);
    check_diagnostics();

    remove(path);
    rmdir(folder);
    printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
