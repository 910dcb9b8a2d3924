# Every executable of the Windows edition, of either architecture, imports only functions that
# Windows 7 SP1 has (win7_imports.txt).
add_test(NAME windows.Windows7Imports.executables
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/win7_imports_test.sh ${CMAKE_OBJDUMP}
                 ${CMAKE_CURRENT_SOURCE_DIR}/win7_imports.txt
                 $<TARGET_FILE:varnel> $<TARGET_FILE:dostrik> $<TARGET_FILE:examtool>)
