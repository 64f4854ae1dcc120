#ifndef KURS_HAPI_H
#define KURS_HAPI_H

/* The recognition engine libkursengine.so: a plain C interface over engine
 * objects (HMM set, dictionary, network, source, coder, recogniser, results).
 * Handles are opaque; a null handle means failure. Integer answers are
 * negative on failure and 0 (or a count) when fine. Every failure records the
 * engine status (code and English text), which hapiCurrentStatus reads back.
 *
 * The calls are made from one thread at a time. Times are milliseconds. */

#include <stdint.h>

#if defined(KURSENGINE_BUILDING)
#define HAPI_API __attribute__((visibility("default")))
#else
#define HAPI_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct hapi_hmmset* hapiHMMSetObject;
typedef struct hapi_dict* hapiDictObject;
typedef struct hapi_net* hapiNetObject;
typedef struct hapi_source* hapiSourceObject;
typedef struct hapi_coder* hapiCoderObject;
typedef struct hapi_rec* hapiRecObject;
typedef struct hapi_res* hapiResObject;

/* Called when the engine meets an error it cannot recover from inside a
 * recognition; the status then holds the code and text. */
typedef void (*hapiErrorHandler)(int status);
/* Called with a partial result while an utterance is decoded and with the final
 * result at its end; a negative answer stops the recognition. */
typedef int (*hapiResultCallback)(hapiResObject result);

enum {
    HAPI_NET_LATTICE = 9,     /* the one network type: a word lattice file */
    HAPI_REC_UTTERANCE = 2,   /* the one recogniser mode: one result per utterance */
    HAPI_SRC_FILE = 1,        /* the source reads a wave file */
    HAPI_SRC_LIVE = 5         /* the source listens to the sound input */
};

/* Score types. HAPI_SCORE_GOODNESS is the pronunciation quality 0..1 (the
 * forced alignment against the best free phone loop over the same frames);
 * every other type answers the aligned acoustic log-likelihood (natural log,
 * relative to the best model state of each frame, so never above 0). */
enum {
    HAPI_SCORE_LIKELIHOOD = 1,
    HAPI_SCORE_GOODNESS = 4
};

/* What a result object keeps (mask of hapiCreateResObject); queries for
 * information outside the mask answer nothing (empty, 0 or none). */
enum {
    HAPI_RI_WORD_IDS = 0x001,
    HAPI_RI_WORD_NAMES = 0x002,
    HAPI_RI_OUTPUT_SYMBOLS = 0x004,
    HAPI_RI_WORD_TIMES = 0x010,
    HAPI_RI_WORD_SCORES = 0x020,
    HAPI_RI_PHONE_IDS = 0x080,
    HAPI_RI_PHONE_TIMES = 0x100,
    HAPI_RI_PHONE_SCORES = 0x200,
    HAPI_RI_TRACE = 0x400,
    HAPI_RI_ALL = 0x7B7
};

/* Status codes. */
enum {
    HAPI_OK = 0,
    HAPI_ERR_GENERAL = -1,
    HAPI_ERR_NOT_INITIALISED = -2, /* no hapiInitHAPI, or an object not initialised */
    HAPI_ERR_ARGUMENT = -3,        /* null or unknown handle, value out of range */
    HAPI_ERR_FILE = -4,            /* a file that cannot be opened, read or written */
    HAPI_ERR_FORMAT = -5,          /* a malformed configuration, model, dictionary, network or wave file */
    HAPI_ERR_MISMATCH = -6,        /* a network word missing from the dictionary, a phone missing from the model */
    HAPI_ERR_DEVICE = -7,          /* the sound input failed */
    HAPI_ERR_DECODER = -8,         /* the acoustic decoder failed */
    HAPI_ERR_STATE = -9,           /* a call the object cannot take now (e.g. calibrating a file source) */
    HAPI_ERR_MEMORY = -10,
    HAPI_ERR_ABORTED = -11         /* the result callback stopped the recognition */
};

/* Buffer sizes: status texts, names (word, output symbol, phone) and the values
 * of a calibration. */
#define HAPI_TEXT_SIZE 1024
#define HAPI_NAME_SIZE 256
#define HAPI_CALIBRATION_VALUES 4

/* Reads the configuration file (see ARCHITECTURE.md: model pair, default
 * dictionary and network, input rate, end-of-utterance silence, longest
 * utterance) and the model's phone list. */
HAPI_API int hapiInitHAPI(const char* configFile, hapiErrorHandler handler);
/* The status of the last operation that reported one (0 when fine); its text
 * ("" when fine) is copied into a buffer of HAPI_TEXT_SIZE when one is given. */
HAPI_API int hapiCurrentStatus(char* buffer);

HAPI_API hapiHMMSetObject hapiCreateHMMSetObject(void);
HAPI_API hapiDictObject hapiCreateDictObject(void);
HAPI_API hapiSourceObject hapiCreateSourceObject(int kind);
HAPI_API hapiCoderObject hapiCreateCoderObject(hapiSourceObject source);
/* The network may be null (a recogniser without a network recognises nothing
 * until one is passed to hapiRecRecognise). */
HAPI_API hapiRecObject hapiCreateRecObject(int netType, int mode, hapiHMMSetObject hmmSet, hapiNetObject net);
HAPI_API hapiResObject hapiCreateResObject(hapiRecObject rec, int infoMask);

HAPI_API int hapiResSetAttachment(hapiResObject result, void* attachment);
HAPI_API void* hapiResGetAttachment(hapiResObject result);

/* Loads the acoustic model named by the configuration. */
HAPI_API int hapiHMMSetInitialise(hapiHMMSetObject hmmSet);
/* Reads the dictionary file: the override name, else the configuration's. */
HAPI_API int hapiDictInitialise(hapiDictObject dict);
HAPI_API int hapiDictOverrideFileName(hapiDictObject dict, const char* fileName);
/* Live sources check that a sound input exists. */
HAPI_API int hapiSourceInitialise(hapiSourceObject source);
/* 0 when a file source will read that wave file. */
HAPI_API int hapiSourceOverrideFilename(hapiSourceObject source, const char* fileName);
/* options: reserved, pass null. */
HAPI_API int hapiCoderInitialise(hapiCoderObject coder, const char* options);
HAPI_API int hapiRecInitialise(hapiRecObject rec);

/* Reads a lattice file (the configuration's network when fileName is null) and
 * builds its search network against the HMM set and the dictionary. */
HAPI_API hapiNetObject hapiLoadNetObject(int netType, hapiHMMSetObject hmmSet, hapiDictObject dict,
                                         const char* fileName);

/* One utterance: prepare the coder, start the source, recognise, stop the
 * source, complete the coder. A live source listens until the end-of-utterance
 * silence (or the longest utterance); a file source reads its whole file.
 * partialPeriodMs: audio time between two partial results. */
HAPI_API int hapiCoderPrepare(hapiCoderObject coder);
HAPI_API int hapiSourceStart(hapiSourceObject source);
HAPI_API int hapiRecRecognise(hapiRecObject rec, hapiNetObject net, hapiCoderObject coder, hapiResObject finalResult,
                              int partialPeriodMs, hapiResObject partialResult, hapiResultCallback callback);
HAPI_API int hapiSourceStop(hapiSourceObject source);
HAPI_API int hapiCoderComplete(hapiCoderObject coder);

/* A text about the result: level 1 the frames decoded, 2 also the best score,
 * 3 also the words so far; at most size - 1 characters. Answers its length. */
HAPI_API int hapiResTraceInfo(hapiResObject result, int level, int size, char* buffer);
HAPI_API int hapiResClear(hapiResObject result);

/* Words are numbered from 1, phones of a word from 0. Counts are answered; the
 * id arrays are filled when given. Names go into buffers of HAPI_NAME_SIZE. */
HAPI_API int hapiResAllWordIds(hapiResObject result, int* wordIds);
HAPI_API int hapiResAllPhoneIds(hapiResObject result, int word, int* phoneIds);
HAPI_API int hapiResWordName(hapiResObject result, int word, char* buffer);
HAPI_API int hapiResOutSym(hapiResObject result, int word, char* buffer);
HAPI_API int hapiResPhoneId(hapiResObject result, int word, int phone);
HAPI_API int hapiDictPhoneName(hapiDictObject dict, int phoneId, char* buffer);
HAPI_API int hapiResWordTimes(hapiResObject result, int word, double* startMs, double* endMs);
/* 1 when the phone has times, 0 when there are none. */
HAPI_API int hapiResPhoneTimes(hapiResObject result, int word, int phone, double* startMs, double* endMs);
HAPI_API double hapiResWordScore(hapiResObject result, int word, int scoreType);
HAPI_API double hapiResPhoneScore(hapiResObject result, int word, int phone, int scoreType);

/* The frame advance of the observation windows, in milliseconds. */
HAPI_API double hapiCoderObservationWindowAdvance(hapiCoderObject coder);
/* Measure the input level of a live source over the configured calibration
 * time into HAPI_CALIBRATION_VALUES floats: [0] frames measured, [1] the level
 * in dB (silence: the mean level, which becomes the noise floor; speech: the
 * level of the loudest tenth of the frames), [2] the lowest and [3] the highest
 * frame level. */
HAPI_API int hapiCoderCalibrateSpeech(hapiCoderObject coder, float* values);
HAPI_API int hapiCoderCalibrateSilence(hapiCoderObject coder, float* values);
/* Writes the samples of the last utterance at the source's rate: a 12-byte
 * header (big-endian sample count, sample period in 100 ns units, sample size
 * 2, kind 0) and big-endian 16-bit samples. Answers the number of samples. */
HAPI_API int hapiCoderSaveSource(hapiCoderObject coder, const char* fileName);
/* Sample period of the source in milliseconds; 1000 / period truncated is the
 * rate exactly. reserved: pass 0. */
HAPI_API double hapiSourceSamplePeriod(hapiSourceObject source, int reserved);

HAPI_API int hapiDeleteResObject(hapiResObject result);
HAPI_API int hapiDeleteRecObject(hapiRecObject rec);
HAPI_API int hapiDeleteCoderObject(hapiCoderObject coder);
HAPI_API int hapiDeleteSourceObject(hapiSourceObject source);
HAPI_API int hapiDeleteNetObject(hapiNetObject net);
HAPI_API int hapiDeleteDictObject(hapiDictObject dict);
HAPI_API int hapiDeleteHMMSetObject(hapiHMMSetObject hmmSet);

#ifdef __cplusplus
}
#endif

#endif
