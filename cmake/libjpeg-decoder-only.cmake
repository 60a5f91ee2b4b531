# Read into libjpeg-turbo's own configuration by scripts/setup
# (CMAKE_PROJECT_INCLUDE). The launcher only decodes; the encoder's SIMD code
# (colour conversion, forward DCT, quantisation, Huffman encoding and its
# tables) is reached only through the dispatch functions of jsimd.c. A linked
# function is kept whole with its unwind data (.pdata on x64, .eh_frame on
# x86), so those dispatch functions are built without unwind data: nothing
# unwinds through them (they only call the SIMD code, which never reports an
# error), and the link can then drop every one the decoder does not call,
# and the encoder's SIMD code with them.
function(znk_simd_dispatch_without_unwind_data)
  foreach(cpu x86_64 i386)
    set_source_files_properties(${CMAKE_SOURCE_DIR}/simd/${cpu}/jsimd.c
                                DIRECTORY ${CMAKE_SOURCE_DIR}/simd
                                PROPERTIES COMPILE_OPTIONS "-fno-asynchronous-unwind-tables;-fno-unwind-tables")
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL znk_simd_dispatch_without_unwind_data)
