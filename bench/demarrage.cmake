tarvo_bench(bench_demarrage
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_demarrage.cpp
    LIBS tarvo_shell tarvo_cli
)
# The program looks for its help beside itself at start.
add_custom_command(TARGET bench_demarrage POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/help
            $<TARGET_FILE_DIR:bench_demarrage>/help)

# The start as a process: a program of its own, timed from outside by bench/processus.sh.
add_executable(bench_lancement ${CMAKE_CURRENT_LIST_DIR}/bench_lancement.cpp)
target_link_libraries(bench_lancement PRIVATE tarvo_shell tarvo_cli)
target_compile_definitions(bench_lancement PRIVATE TARVO_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
tarvo_avertissements(bench_lancement)
add_custom_command(TARGET bench_lancement POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/help
            $<TARGET_FILE_DIR:bench_lancement>/help)
