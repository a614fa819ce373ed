# Next-word request of the study engine (rebuild, select, prepare) on a large general library.
if(TARGET vt_study)
    add_executable(bench_study ${CMAKE_CURRENT_LIST_DIR}/bench_study.cpp)
    target_link_libraries(bench_study PRIVATE vt_study benchmark::benchmark)
endif()
