# Read by ctest after the tests are discovered. Labels each test `fast` or
# `slow` (ctest -L fast for a quick round while working), and `audio` where it
# starts real sound threads (those also run under the thread sanitizer).
# Slow: the soak, the real program end to end or in a pseudo-terminal.
set(slow_tests
  "^Soak\\."
  "^Binary\\."
  "^Playthrough\\."
  "^Screen\\."
  "^Completion\\.WorksInARealTerminal$"
  "^Faults\\.ASaveKilledPartWayLeavesThePreviousSaveLoadable$"
  "^Faults\\.QuittingWhileSoundsPlayIsPromptAndClean$"
  "^Faults\\.AMissingOrBrokenSoundFolderStaysSilent$"
  "^Faults\\.ALineWithoutEndIsCutAndMemoryStaysFlat$"
  "^Faults\\.LostOutputEndsTheGameWithAFailure$"
  "^Faults\\.EndOfInputAtATypedPromptCancelsOnlyThatPrompt$"
  "^OldSaves\\."
  "^Undo\\.(EndOfInputAtAnInnerQuestion|TheLineAfterAFinishedCommand|AnswersAreNotKept)"
  "^Script\\.(TheRealProgram|ARealTerminal)"
  "^SaveLoad\\.TabCompletes")
set(audio_tests
  "^Faults\\.ABurstOfSoundsPlaysOnlyAFewAtOnce$"
  "^Faults\\.QuittingWhileSoundsPlayIsPromptAndClean$"
  "^Faults\\.AMissingOrBrokenSoundFolderStaysSilent$"
  "^Binary\\.SoundOnAMachineWithoutASoundCardIsSilent$")

function(matches_any name result)
  set(found FALSE)
  foreach(pattern IN LISTS ARGN)
    if(name MATCHES "${pattern}")
      set(found TRUE)
    endif()
  endforeach()
  set(${result} ${found} PARENT_SCOPE)
endfunction()

foreach(test IN LISTS lanternmoor_tests_TESTS)
  matches_any("${test}" slow ${slow_tests})
  matches_any("${test}" audio ${audio_tests})
  if(slow)
    set(labels slow)
  else()
    set(labels fast)
  endif()
  if(audio)
    list(APPEND labels audio)
  endif()
  set_tests_properties("${test}" PROPERTIES LABELS "${labels}")
endforeach()
