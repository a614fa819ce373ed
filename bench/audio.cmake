# Speech file rendering (audio library, espeak-ng).
if(TARGET vt_audio_core)
    add_executable(bench_speech ${CMAKE_CURRENT_LIST_DIR}/bench_speech.cpp)
    target_link_libraries(bench_speech PRIVATE vt_audio_core vt_base benchmark::benchmark)
    target_compile_definitions(bench_speech PRIVATE VT_HEADWORDS_TSV="${PROJECT_SOURCE_DIR}/res/content/headwords.tsv")
endif()
