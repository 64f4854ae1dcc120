# Checks that libfonetra shows exactly its VX_ functions: every dynamic symbol
# it defines starts with VX_, and the analysis, sound, recognition and
# diagnostic functions are all there. Run with -DNM=<nm> -DLIBRARY=<libfonetra.so>.
cmake_policy(SET CMP0057 NEW)
execute_process(COMMAND "${NM}" -D --defined-only "${LIBRARY}"
  OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REPLACE "\n" ";" lines "${symbols}")
set(exported)
foreach(line IN LISTS lines)
  if(line MATCHES "^[0-9a-f]+ [A-Za-z] (.+)$")
    set(name "${CMAKE_MATCH_1}")
    if(NOT name MATCHES "^VX_")
      message(SEND_ERROR "libfonetra exports ${name}")
    endif()
    list(APPEND exported "${name}")
  endif()
endforeach()
set(required
  VX_V_InitDsp VX_P32_Waveform VX_P32_WaveformOffset VX_N4_WaveCount VX_N4_WaveTime
  VX_P32N2_Energy VX_N4_EnergyCount VX_N4_EnergyMin VX_N4_EnergyMax VX_N4_EnergyMean
  VX_P32N2_EnergySegment VX_N4_EnergySegmentCount
  VX_P32N2_ZeroX VX_N4_ZeroXCount VX_N4_ZeroXMean VX_N4_ZeroXMin VX_N4_ZeroXMax
  VX_P32N2_ZeroXSegment VX_N4_ZeroXSegmentCount
  VX_P32N2_Pitch VX_N4_PitchCount VX_N4_PitchMean VX_N4_PitchMin VX_N4_PitchMax
  VX_P32N2_PitchSegment VX_N4_PitchSegmentCount VX_N4_Mean VX_B_Voiced
  VX_V_InitSound VX_V_SetRate VX_V_SetBits VX_P32I2_Buffer VX_P32I2_BufferOffset VX_N4_Samples
  VX_N4_VCCalibrate VX_V_VCSetPauseSeconds VX_V_VCSetSilenceLevel VX_B_VCRecord
  VX_B_Record VX_B_StopRecord VX_B_IsRecording VX_B_Play VX_B_PlayWait VX_B_StopPlay VX_B_IsPlaying
  VX_V_DebugMode VX_V_DebugTarget VX_V_DebugMessage VX_V_DebugDictionary
  VX_I4_InitSR VX_V_Exit VX_I4_NewResource VX_I4_NewSoundFile VX_V_SetWave VX_STRING_Recognize
  VX_I4_Calibrate VX_I4_Status VX_STRING_Status VX_B_StartBGRecognize VX_B_BGRecognize
  VX_V_ResetBGRecognize VX_V_StopBGRecognize VX_STRING_Check VX_STRING_CheckTmp
  VX_N4_Words VX_STRING_Words VX_STRING_Word VX_N4_Outputs VX_STRING_Outputs VX_STRING_Output
  VX_P32N4_WordTimes VX_P32N4_WordTime VX_P32R8_WordScores VX_R8_WordScore VX_N4_WordScore
  VX_P32N2_PhonesPerWord VX_N4_PhonesPerWord VX_N4_Phones VX_STRING_Phones VX_STRING_Phone
  VX_STRING_WordPhone VX_P32N4_PhoneTimes VX_P32N4_PhoneTime VX_P32N4_WordPhoneTime
  VX_P32R8_PhoneScores VX_R8_PhoneScore VX_R8_WordPhoneScore VX_N4_PhoneScore VX_N4_WordPhoneScore
  VX_V_ScoreType VX_N4_Time)
foreach(name IN LISTS required)
  if(NOT name IN_LIST exported)
    message(SEND_ERROR "libfonetra does not export ${name}")
  endif()
endforeach()
