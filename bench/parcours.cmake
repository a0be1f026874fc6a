tarvo_bench(bench_parcours
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_parcours.cpp
            ${PROJECT_SOURCE_DIR}/tests/app/BancProgramme.cpp
            ${PROJECT_SOURCE_DIR}/tests/app/FenetreProgrammeFactice.cpp
    LIBS tarvo_app tarvo_cli tarvo_support
)
target_include_directories(bench_parcours PRIVATE ${PROJECT_SOURCE_DIR}/tests)
