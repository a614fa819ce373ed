# libFuzzer targets of the word data layer. The word sources are compiled into each target with the fuzzer's
# coverage instrumentation, so the shared vt_words library keeps its normal flags.
set(VT_WORDS_FUZZ_SOURCES
    ${PROJECT_SOURCE_DIR}/words/CWordList.cpp
    ${PROJECT_SOURCE_DIR}/words/CWordStruct.cpp
    ${PROJECT_SOURCE_DIR}/words/CWordTrans.cpp
    ${PROJECT_SOURCE_DIR}/words/LineScrambler.cpp
)
foreach(name fuzz_library_scrambled fuzz_library_plain fuzz_entry_line fuzz_meaning_split)
    add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp ${VT_WORDS_FUZZ_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined -fno-omit-frame-pointer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE vt_base)
endforeach()
