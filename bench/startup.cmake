# Start-up time and peak memory of the GUI program under Xvfb (bench/startup.sh); run by hand with
# `cmake --build <build> --target bench-startup`, never by ctest.
if(TARGET verbatrove)
    add_custom_target(bench-startup
        COMMAND ${CMAKE_CURRENT_LIST_DIR}/startup.sh $<TARGET_FILE:verbatrove> 5
        DEPENDS verbatrove
        COMMENT "Start-up benchmark of verbatrove (5 runs after a warm-up)"
        USES_TERMINAL
        VERBATIM)
endif()
