tarvo_bench(bench_pages
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_pages.cpp
    LIBS tarvo_shell tarvo_cli tarvo_support
)
