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
  "^Kept/OldSave\\."
  "^Undo\\.(EndOfInputAtAnInnerQuestion|AnswersAreNotKept)"
  "^Script\\.(TheFileHolds|ATypedSession)")
set(audio_tests
  "^Faults\\.ABurstOfSoundsPlaysOnlyAFewAtOnce$"
  "^Faults\\.QuittingWhileSoundsPlayIsPromptAndClean$"
  "^Faults\\.AMissingOrBrokenSoundFolderStaysSilent$")

# The thread sanitizer's build holds only the file with these tests: a
# pattern that names no test means one moved away or was renamed.
foreach(pattern IN LISTS audio_tests)
  set(found "")
  foreach(test IN LISTS lanternmoor_tests_TESTS)
    if(test MATCHES "${pattern}")
      set(found "${test}")
    endif()
  endforeach()
  if(NOT found)
    message(FATAL_ERROR "No test matches the audio pattern ${pattern} (see tests/CMakeLists.txt)")
  endif()
endforeach()

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
  # The soak takes longer than all the rest together: started first, it
  # runs on one core while the others share the second.
  if(test MATCHES "^Soak\\.")
    set_tests_properties("${test}" PROPERTIES COST 1000)
  endif()
endforeach()
