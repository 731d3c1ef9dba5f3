# Fails when a translation file is not complete and up to date: lupdate, run
# as update_translations runs it, would change it (texts in the sources that
# the file lacks, or texts the sources no longer have), or it still has
# unfinished, vanished or obsolete entries.
#   cmake -DLUPDATE=... -DTABLE_WRITER=... -DTABLE_SOURCE=... -DPROJECT=...
#         -DGENERATOR=... -DSCRATCH=... -DOPTIONS=... -DTS_FILES=... -P check_translations.cmake
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${TABLE_WRITER} ${TABLE_SOURCE} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "texts_for_lupdate could not write ${TABLE_SOURCE}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -DIN_FILE=${PROJECT}.cmake -DOUT_FILE=${SCRATCH}/project.json
  -P ${GENERATOR} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the lupdate project ${PROJECT}.cmake does not read")
endif()

set(copies "")
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  file(COPY_FILE ${ts} ${SCRATCH}/${name})
  list(APPEND copies ${SCRATCH}/${name})
endforeach()
execute_process(COMMAND ${LUPDATE} -silent -project ${SCRATCH}/project.json ${OPTIONS} -ts ${copies}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${out}")
endif()

set(faults "")
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  file(READ ${ts} before)
  file(READ ${SCRATCH}/${name} after)
  if(NOT before STREQUAL after)
    string(APPEND faults "${name}: not up to date with the sources; run "
      "'cmake --build <build> --target update_translations' and translate what it marks\n")
  endif()
  foreach(kind unfinished vanished obsolete)
    string(REGEX MATCHALL "type=\"${kind}\"" found "${after}")
    list(LENGTH found count)
    if(count GREATER 0)
      string(APPEND faults "${name}: ${count} ${kind} entries\n")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "${faults}")
endif()
message(STATUS "every translation file is complete and up to date")
