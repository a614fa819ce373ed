# Word library load/save throughput and search latency.
add_executable(bench_words ${CMAKE_CURRENT_LIST_DIR}/bench_words.cpp)
target_link_libraries(bench_words PRIVATE vt_words benchmark::benchmark)
