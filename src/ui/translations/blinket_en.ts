<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>blinket::CopyCheckWindow</name>
    <message numerus="yes">
        <source>Words right: %L1 of %Ln</source>
        <translation>
            <numerusform>Words right: %L1 of %Ln</numerusform>
            <numerusform>Words right: %L1 of %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Characters sent: %Ln.</source>
        <translation>
            <numerusform>Characters sent: %Ln.</numerusform>
            <numerusform>Characters sent: %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln right (%2)</source>
        <translation>
            <numerusform>%L1 of %Ln right (%2)</numerusform>
            <numerusform>%L1 of %Ln right (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln wrong</source>
        <translation>
            <numerusform>%Ln wrong</numerusform>
            <numerusform>%Ln wrong</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln missed</source>
        <translation>
            <numerusform>%Ln missed</numerusform>
            <numerusform>%Ln missed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln extra</source>
        <translation>
            <numerusform>%Ln extra</numerusform>
            <numerusform>%Ln extra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out: %Ln (a copy of this run takes at most %L1).</source>
        <translation>
            <numerusform>Left out: %Ln (a copy of this run takes at most %L1).</numerusform>
            <numerusform>Left out: %Ln (a copy of this run takes at most %L1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n s</source>
        <translation>
            <numerusform>%n s</numerusform>
            <numerusform>%n s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>blinket::LessonTable</name>
    <message numerus="yes">
        <source>%n more</source>
        <comment>runs at 90 % or more</comment>
        <translation>
            <numerusform>%n more</numerusform>
            <numerusform>%n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>blinket::LetterChart</name>
    <message numerus="yes">
        <source>%1: %2 of the last %n read right (%3)</source>
        <translation>
            <numerusform>%1: %2 of the last %n reading read right (%3)</numerusform>
            <numerusform>%1: %2 of the last %n read right (%3)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>blinket::OptionsWindow</name>
    <message numerus="yes">
        <source>%Ln word(s) built in.</source>
        <translation>
            <numerusform>%Ln word built in.</numerusform>
            <numerusform>%Ln words built in.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln word(s) to send</source>
        <translation>
            <numerusform>%Ln word to send</numerusform>
            <numerusform>%Ln words to send</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%Ln passed over: they hold characters that cannot be sent)</source>
        <translation>
            <numerusform>(%Ln passed over: it holds characters that cannot be sent)</numerusform>
            <numerusform>(%Ln passed over: they hold characters that cannot be sent)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>blinket::ProgressWindow</name>
    <message numerus="yes">
        <source>but %n reading(s) are too few to be sure: a character is judged on ten or more.</source>
        <translation>
            <numerusform>but %n reading is too few to be sure: a character is judged on ten or more.</numerusform>
            <numerusform>but %n readings are too few to be sure: a character is judged on ten or more.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>blinket::RunController</name>
    <message numerus="yes">
        <source>%n option(s) in %1 cannot be used, so runs go on without them:</source>
        <translation>
            <numerusform>%n option in %1 cannot be used, so runs go on without it:</numerusform>
            <numerusform>%n options in %1 cannot be used, so runs go on without them:</numerusform>
        </translation>
    </message>
</context>
</TS>
