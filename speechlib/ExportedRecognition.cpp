#include "speechlib/Fonetra.h"
#include "speechlib/LibraryObjects.h"

#include <cmath>

namespace {

const CT_Segment* segment()
{
    return recognition().pcso_GetSegment();
}

std::uint32_t truncatedScore(double score)
{
    return score > 0.0 ? static_cast<std::uint32_t>(std::trunc(score)) : 0u;
}

} // namespace

extern "C" {

int32_t VX_I4_InitSR(const char* configFile) { return recognition().i4_InitSR(configFile); }
int32_t VX_V_Exit(void) { return recognition().i4_Exit(); }
int32_t VX_I4_NewResource(const char* network, const char* dictionary)
{
    return recognition().i4_NewResource(network, dictionary);
}
int32_t VX_I4_NewSoundFile(const char* file) { return recognition().i4_NewSoundFile(file); }
void VX_V_SetWave(const char* file) { recognition().v_SetWave(file); }
const char* VX_STRING_Recognize(void) { return recognition().qccz_Recognize(); }
int32_t VX_I4_Calibrate(int32_t kind) { return recognition().i4_Calibrate(kind); }
int32_t VX_I4_Status(void) { return recognition().i4_Status(); }
const char* VX_STRING_Status(void) { return recognition().qccz_Status(); }

VX_BOOL VX_B_StartBGRecognize(void) { return recognition().b_StartBGRecognize() ? 1 : 0; }
VX_BOOL VX_B_BGRecognize(void) { return recognition().b_BGRecognize() ? 1 : 0; }
void VX_V_ResetBGRecognize(void) { recognition().v_ResetBGRecognize(); }
void VX_V_StopBGRecognize(void) { recognition().v_StopBGRecognize(); }
const char* VX_STRING_Check(void) { return recognition().qccz_Check(); }
const char* VX_STRING_CheckTmp(void) { return recognition().qccz_CheckTmp(); }
void VX_V_ScoreType(uint32_t type) { recognition().v_ScoreType(type); }
void VX_V_DebugDictionary(int32_t flag) { recognition().v_DebugDictionary(flag); }

uint32_t VX_N4_Words(void) { return segment() ? segment()->n_GetWords() : 0; }
const char* VX_STRING_Words(void) { return segment() ? segment()->qccz_GetWords() : nullptr; }
const char* VX_STRING_Word(uint32_t word) { return segment() ? segment()->qccz_GetWord(word) : nullptr; }
uint32_t VX_N4_Outputs(void) { return segment() ? segment()->n_GetOutputs() : 0; }
const char* VX_STRING_Outputs(void) { return segment() ? segment()->qccz_GetOutputs() : nullptr; }
const char* VX_STRING_Output(uint32_t word) { return segment() ? segment()->qccz_GetOutput(word) : nullptr; }
const uint32_t* VX_P32N4_WordTimes(void) { return segment() ? segment()->qcn4_GetWordTimes() : nullptr; }
const uint32_t* VX_P32N4_WordTime(uint32_t word) { return segment() ? segment()->qcn4_GetWordTime(word) : nullptr; }
const double* VX_P32R8_WordScores(void) { return segment() ? segment()->qcr8_GetWordScores() : nullptr; }
double VX_R8_WordScore(uint32_t word) { return segment() ? segment()->r8_GetWordScore(word) : 0.0; }
uint32_t VX_N4_WordScore(uint32_t word) { return truncatedScore(VX_R8_WordScore(word)); }
const uint16_t* VX_P32N2_PhonesPerWord(void) { return segment() ? segment()->qcn2_GetPhonesPerWord() : nullptr; }
uint32_t VX_N4_PhonesPerWord(uint32_t word) { return segment() ? segment()->n2_GetPhonesPerWord(word) : 0; }

uint32_t VX_N4_Phones(void) { return segment() ? segment()->n_GetPhones() : 0; }
const char* VX_STRING_Phones(void) { return segment() ? segment()->qccz_GetPhones() : nullptr; }
const char* VX_STRING_Phone(uint32_t phone) { return segment() ? segment()->qccz_GetPhone(phone) : nullptr; }
const char* VX_STRING_WordPhone(uint32_t word, uint32_t phone)
{
    return segment() ? segment()->qccz_GetPhone(word, phone) : nullptr;
}
const uint32_t* VX_P32N4_PhoneTimes(void) { return segment() ? segment()->qcn4_GetPhoneTimes() : nullptr; }
const uint32_t* VX_P32N4_PhoneTime(uint32_t phone) { return segment() ? segment()->qcn4_GetPhoneTime(phone) : nullptr; }
const uint32_t* VX_P32N4_WordPhoneTime(uint32_t word, uint32_t phone)
{
    return segment() ? segment()->qcn4_GetPhoneTime(word, phone) : nullptr;
}
const double* VX_P32R8_PhoneScores(void) { return segment() ? segment()->qcr8_GetPhoneScores() : nullptr; }
double VX_R8_PhoneScore(uint32_t phone) { return segment() ? segment()->r8_GetPhoneScore(phone) : 0.0; }
double VX_R8_WordPhoneScore(uint32_t word, uint32_t phone)
{
    return segment() ? segment()->r8_GetPhoneScore(word, phone) : 0.0;
}
uint32_t VX_N4_PhoneScore(uint32_t phone) { return truncatedScore(VX_R8_PhoneScore(phone)); }
uint32_t VX_N4_WordPhoneScore(uint32_t word, uint32_t phone) { return truncatedScore(VX_R8_WordPhoneScore(word, phone)); }
uint32_t VX_N4_Time(void) { return segment() ? segment()->n_GetTime() : 0; }
}
