# One fuzz target for a few seconds over its seeds: a seed that crashes, or any
# crash found meanwhile, fails the test.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${FUZZER} -max_total_time=3 -max_len=${MAX_LEN} -timeout=10
                        -rss_limit_mb=1024 -artifact_prefix=${WORK}/ ${WORK} ${CORPUS}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}) on ${CORPUS}")
endif()
