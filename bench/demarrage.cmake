tarvo_bench(bench_demarrage
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_demarrage.cpp
    LIBS tarvo_shell tarvo_cli
)
# The program looks for its help beside itself at start.
add_custom_command(TARGET bench_demarrage POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/help
            $<TARGET_FILE_DIR:bench_demarrage>/help)
