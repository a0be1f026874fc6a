tarvo_bench(bench_fenetre
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_fenetre.cpp
    LIBS tarvo_shell tarvo_cli
)
