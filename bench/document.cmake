tarvo_bench(bench_document
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_document.cpp
    LIBS tarvo_document tarvo_support
)
