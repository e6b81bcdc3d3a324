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
  "^Faults\\.QuittingWhileSoundsPlayIsPromptAndClean$"
  "^Faults\\.AMissingOrBrokenSoundFolderStaysSilent$"
  "^Faults\\.ALineWithoutEndIsCutAndMemoryStaysFlat$"
  "^Faults\\.LostOutputEndsTheGameWithAFailure$"
  "^Faults\\.AFileSizeLimitStopsATranscriptOrASaveButNotTheGame$"
  "^Faults\\.TypedLines"
  "^OldSaves\\."
  "^Undo\\.(EndOfInputAtAnInnerQuestion|AnswersAreNotKept)"
  "^Script\\.(TheRealProgram|ARealTerminal)")
set(audio_tests
  "^Faults\\.ABurstOfSoundsPlaysOnlyAFewAtOnce$"
  "^Faults\\.QuittingWhileSoundsPlayIsPromptAndClean$"
  "^Faults\\.AMissingOrBrokenSoundFolderStaysSilent$")

list(JOIN slow_tests "|" slow_pattern)
list(JOIN audio_tests "|" audio_pattern)
foreach(test IN LISTS lanternmoor_tests_TESTS)
  set(labels fast)
  if(test MATCHES "${slow_pattern}")
    set(labels slow)
  endif()
  if(test MATCHES "${audio_pattern}")
    list(APPEND labels audio)
  endif()
  set_tests_properties("${test}" PROPERTIES LABELS "${labels}")
endforeach()
