tarvo_bench(bench_ombres
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_ombres.cpp
    LIBS tarvo_shell tarvo_cli tarvo_support
)
