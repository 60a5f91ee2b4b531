# One fuzz target for a few seconds over its seeds: a seed that crashes, or any
# crash found meanwhile, fails the test.
# The file-based targets make their game folder below TMPDIR: beside the work
# folder (libFuzzer reads every file below a corpus folder), and both go at
# the next run.
file(REMOVE_RECURSE ${WORK} ${WORK}-game)
file(MAKE_DIRECTORY ${WORK} ${WORK}-game)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TMPDIR=${WORK}-game ${FUZZER}
                        -max_total_time=3 -max_len=${MAX_LEN} -timeout=10
                        -rss_limit_mb=1024 -artifact_prefix=${WORK}/ ${WORK} ${CORPUS}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}) on ${CORPUS}")
endif()
