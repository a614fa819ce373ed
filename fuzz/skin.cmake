# libFuzzer target of the skin INI reader (plain C++, so it builds without Qt).
add_executable(fuzz_skin_ini ${CMAKE_CURRENT_LIST_DIR}/fuzz_skin_ini.cpp ${PROJECT_SOURCE_DIR}/skin/IniFile.cpp)
target_include_directories(fuzz_skin_ini PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_options(fuzz_skin_ini PRIVATE -fsanitize=fuzzer,address,undefined -fno-omit-frame-pointer)
target_link_options(fuzz_skin_ini PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_libraries(fuzz_skin_ini PRIVATE vt_base)
