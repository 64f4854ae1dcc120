# Checks that libfonetra shows exactly its VX_ functions: every dynamic symbol
# it defines starts with VX_, and the analysis, sound and diagnostic functions
# are all there. Run with -DNM=<nm> -DLIBRARY=<libfonetra.so>.
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
  VX_V_DebugMode VX_V_DebugTarget VX_V_DebugMessage)
foreach(name IN LISTS required)
  if(NOT name IN_LIST exported)
    message(SEND_ERROR "libfonetra does not export ${name}")
  endif()
endforeach()
