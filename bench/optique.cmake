tarvo_bench(bench_optique
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_optique.cpp
    LIBS tarvo_optics
)
