# CPU share of CSerialLink::WaitBytes while it waits out a 5-second time-out.
# With Qt it also measures the QSerialPort adapter on a pseudo-terminal.
add_executable(bench_waitbytes_cpu WaitBytesCpu.cpp)
target_link_libraries(bench_waitbytes_cpu PRIVATE kivcore)
target_compile_options(bench_waitbytes_cpu PRIVATE ${KIV_WARNINGS})
if(KIV_QT AND TARGET kivsimpty)
    target_link_libraries(bench_waitbytes_cpu PRIVATE kivqt kivsimpty)
    target_compile_definitions(bench_waitbytes_cpu PRIVATE KIV_BENCH_PTY)
endif()
