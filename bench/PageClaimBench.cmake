# Peak memory of the recording send given page files that claim gigabytes.
add_executable(bench_page_claims PageClaimBench.cpp)
target_link_libraries(bench_page_claims PRIVATE kivcore)
target_compile_options(bench_page_claims PRIVATE ${KIV_WARNINGS})
target_include_directories(bench_page_claims PRIVATE ${CMAKE_SOURCE_DIR}/tests)
