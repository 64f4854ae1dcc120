/* A client of libfonetra written in plain C that makes the recognition calls
 * of the course program's pronunciation lesson, in its order, on a program
 * folder of its own with the file source: start-up (initialise, load the
 * course dictionary, calibrate), then one attempt at "I am fine".
 * Usage: fonetra_recognition_client <engine files> <model base> <speech.wav> */
#include "speechlib/Fonetra.h"

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

static void copy_file(const char* from, const char* to)
{
    char buffer[65536];
    size_t n;
    FILE* in = fopen(from, "rb");
    FILE* out = fopen(to, "wb");
    if (in == NULL || out == NULL) {
        perror(in == NULL ? from : to);
        exit(2);
    }
    while ((n = fread(buffer, 1, sizeof buffer, in)) > 0)
        fwrite(buffer, 1, n, out);
    fclose(in);
    fclose(out);
}

static void join(char* path, size_t size, const char* folder, const char* name)
{
    snprintf(path, size, "%s/%s", folder, name);
}

/* The network and the engine dictionary of "I am fine" as the course writes them. */
static void write_phrase(const char* folder)
{
    static const char* const lattice =
        "SUBLAT=<GARBAGE>\r\nN=6 L=6\r\nI=0 W=!NULL x=10 y=10\r\nI=1 W=!NULL x=20 y=10\r\nI=2 W=!NULL x=30 y=10\r\n"
        "I=3 W=_GV_GBGEMARKER_ x=40 y=10\r\nI=4 W=!NULL x=50 y=10\r\nI=5 W=P__GV_GBGE_ x=25 y=20\r\n"
        "J=0 S=0 E=1\r\nJ=1 S=1 E=5\r\nJ=2 S=2 E=1 l=-16\r\nJ=3 S=2 E=3\r\nJ=4 S=3 E=4\r\nJ=5 S=5 E=2\r\n.\r\n"
        "N=8 L=8\r\nI=0 W=!NULL x=10 y=10\r\nI=1 W=!NULL x=510 y=10\r\nI=2 W=<s> x=15 y=10\r\n"
        "I=3 W=</s> x=505 y=10\r\nI=4 L=<GARBAGE> x=250 y=5\r\nI=5 W=I x=25 y=15\r\nI=6 W=am x=30 y=15\r\n"
        "I=7 W=fine x=35 y=15\r\nJ=0 S=0 E=2\r\nJ=1 S=3 E=1\r\nJ=2 S=2 E=4 l=-16\r\nJ=3 S=4 E=3\r\n"
        "J=4 S=2 E=5\r\nJ=5 S=5 E=6\r\nJ=6 S=6 E=7\r\nJ=7 S=7 E=3\r\n\r\n";
    char path[1024];
    FILE* file;
    join(path, sizeof path, folder, "tmp.lat");
    file = fopen(path, "wb");
    fputs(lattice, file);
    fclose(file);
    join(path, sizeof path, folder, "tmp.dct");
    file = fopen(path, "ab");
    fputs("\r\nI [I] ay\r\nam [am] ae m\r\nfine [fine] f ay n\r\n", file);
    fclose(file);
}

int main(int argc, char** argv)
{
    static const char* const content[] = {"config.cfg", "tmp0.dct", "tmp.lat", "tmp.dct", "slownik.dct"};
    char folder[] = "/tmp/fonetra-recognition-XXXXXX";
    char from[1024];
    char to[1024];
    char config[1024];
    char wave[1024];
    const char* recognised;
    const uint32_t* time;
    uint32_t samples;
    size_t i;
    FILE* file;

    if (argc != 4 || mkdtemp(folder) == NULL) {
        fprintf(stderr, "usage: %s <engine files> <model base> <speech.wav>\n", argv[0]);
        return 2;
    }
    for (i = 0; i < sizeof content / sizeof content[0]; ++i) {
        join(from, sizeof from, argv[1], content[i]);
        join(to, sizeof to, folder, content[i]);
        copy_file(from, to);
    }
    snprintf(from, sizeof from, "%s.list", argv[2]);
    join(to, sizeof to, folder, "english.list");
    copy_file(from, to);
    snprintf(from, sizeof from, "%s.mmf", argv[2]);
    join(to, sizeof to, folder, "english.mmf");
    copy_file(from, to);
    join(config, sizeof config, folder, "config.cfg");
    file = fopen(config, "ab");
    fputs("SOURCE = FILE\r\n", file);
    fclose(file);

    /* Start-up of the speech system. */
    CHECK(VX_I4_InitSR(config) == 0);
    join(from, sizeof from, folder, "tmp.lat");
    join(to, sizeof to, folder, "slownik.dct");
    CHECK(VX_I4_NewResource(from, to) >= 0);
    CHECK(VX_I4_Calibrate(1) == -1); /* a file source cannot be calibrated */

    /* The phrase shown, then one attempt. */
    join(to, sizeof to, folder, "tmp.dct");
    write_phrase(folder);
    CHECK(VX_I4_NewResource(from, to) >= 0);
    join(wave, sizeof wave, folder, "usr_tmp.wav");
    CHECK(VX_I4_NewSoundFile(argv[3]) == -1);
    VX_V_SetWave(wave);
    recognised = VX_STRING_Recognize();
    CHECK(recognised != NULL && strcmp(recognised, "I am fine ") == 0);
    CHECK(strcmp(VX_STRING_Phones(), "sil ay ae m f ay n sil ") == 0);
    CHECK(strcmp(VX_STRING_Words(), "<s> I am fine </s> ") == 0);
    CHECK(VX_N4_Samples() == 0); /* of the recording sound, which this attempt did not use */

    VX_V_InitDsp(wave);
    samples = VX_N4_WaveCount();
    CHECK(samples > 22050 && samples < 2 * 22050);
    CHECK(VX_N4_WaveTime() == samples * 1000u / 22050u);
    CHECK(VX_P32_WaveformOffset(3) != NULL);
    CHECK(VX_P32_WaveformOffset(samples / 2) == NULL);

    CHECK(VX_N4_Words() == 5);
    CHECK(strcmp(VX_STRING_Word(2), "I") == 0);
    CHECK(VX_STRING_Word(6) == NULL);
    time = VX_P32N4_WordTime(2);
    CHECK(time != NULL && time[0] < time[1] && time[1] <= VX_N4_WaveTime() + 10);
    CHECK(VX_R8_WordScore(2) >= 50.0 && VX_R8_WordScore(2) <= 100.0);
    CHECK(VX_N4_Phones() == 8);
    CHECK(strcmp(VX_STRING_Phone(2), "ay") == 0);
    time = VX_P32N4_PhoneTime(2);
    CHECK(time != NULL && time[0] == VX_P32N4_WordTime(2)[0] && time[1] == VX_P32N4_WordTime(2)[1]);
    CHECK(VX_R8_PhoneScore(2) == VX_R8_WordScore(2)); /* the word's only phone */

    CHECK(VX_V_Exit() == 1);
    for (i = 0; i < sizeof content / sizeof content[0]; ++i) {
        join(to, sizeof to, folder, content[i]);
        remove(to);
    }
    join(to, sizeof to, folder, "english.list");
    remove(to);
    join(to, sizeof to, folder, "english.mmf");
    remove(to);
    remove(wave);
    rmdir(folder);
    printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
