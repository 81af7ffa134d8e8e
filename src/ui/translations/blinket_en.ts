<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>blinket::CopyCheckWindow</name>
    <message numerus="yes">
        <source>Words right: %1 of %n</source>
        <translation>
            <numerusform>Words right: %1 of %n</numerusform>
            <numerusform>Words right: %1 of %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Characters sent: %n.</source>
        <translation>
            <numerusform>Characters sent: %n.</numerusform>
            <numerusform>Characters sent: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n right (%2)</source>
        <translation>
            <numerusform>%1 of %n right (%2)</numerusform>
            <numerusform>%1 of %n right (%2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n wrong</numerusform>
            <numerusform>%n wrong</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missed</source>
        <translation>
            <numerusform>%n missed</numerusform>
            <numerusform>%n missed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n extra</source>
        <translation>
            <numerusform>%n extra</numerusform>
            <numerusform>%n extra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out: %n (a copy of this run takes at most %1).</source>
        <translation>
            <numerusform>Left out: %n (a copy of this run takes at most %1).</numerusform>
            <numerusform>Left out: %n (a copy of this run takes at most %1).</numerusform>
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
        <source>%n word(s) built in.</source>
        <translation>
            <numerusform>%n word built in.</numerusform>
            <numerusform>%n words built in.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word(s) to send</source>
        <translation>
            <numerusform>%n word to send</numerusform>
            <numerusform>%n words to send</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n passed over: they hold characters that cannot be sent)</source>
        <translation>
            <numerusform>(%n passed over: it holds characters that cannot be sent)</numerusform>
            <numerusform>(%n passed over: they hold characters that cannot be sent)</numerusform>
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
