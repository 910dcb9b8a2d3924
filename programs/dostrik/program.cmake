# Dostrik: the level-I theory exam on metal and reinforced-concrete structures, manual arc welding.
exam_program(dostrik
    TITLE Dostrik
    APP_ID org.weldingexams.Dostrik
    GROUP_SIZE 12
    MENU_NAME "Дострик — металлические и железобетонные конструкции"
    WINDOWS_SUMMARY "Дострик: экзамен по аттестации сварщиков, металлические и железобетонные конструкции"
    PACKAGE_DESCRIPTION [[
welding certification theory exam on metal and concrete structures
Dostrik is the theory exam, level I, manual arc welding, in the
certification of welding-production specialists who work on metal and
reinforced-concrete structures. A candidate reads the title screen,
answers fifteen multiple-choice tickets drawn at random from the question
bank built into the program, and sees a table of the results.

The interface is Russian. The program reads and writes no files.]])
