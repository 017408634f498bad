# SPDX-License-Identifier: MIT

# cmake -DLUPDATE=... -DTS_DIR=... -DWORK_DIR=... -DSOURCES_FILE=... -P CheckTranslations.cmake
# Brings a copy of every translation up to date with the sources and fails when any text is
# new or unfinished in it: a text marked without a translation in every shipped language.
file(READ ${SOURCES_FILE} sources)
file(REMOVE_RECURSE ${WORK_DIR})
file(GLOB ts_files ${TS_DIR}/orbiclock_*.ts)
if(NOT ts_files)
  message(FATAL_ERROR "no translations in ${TS_DIR}")
endif()
file(COPY ${ts_files} DESTINATION ${WORK_DIR})
file(GLOB copies ${WORK_DIR}/*.ts)
execute_process(COMMAND ${LUPDATE} -silent -locations none -no-obsolete ${sources} -ts ${copies}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${result})")
endif()
set(failed "")
foreach(ts ${copies})
  file(READ ${ts} content)
  string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<[a-z]*comment>[^<]*</[a-z]*comment>[^<]*)*<translation type=\"unfinished\"" unfinished "${content}")
  list(LENGTH unfinished count)
  if(count GREATER 0)
    get_filename_component(name ${ts} NAME)
    list(APPEND failed "${name}: ${count} unfinished: ${unfinished}")
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "${failed}")
endif()
