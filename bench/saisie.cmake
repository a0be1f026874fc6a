tarvo_bench(bench_saisie
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_saisie.cpp
    LIBS tarvo_shell tarvo_cli tarvo_support
)
