<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>OvelaChartWidget</name>
    <message numerus="yes">
        <location filename="../src/charts/ovela_chart.cpp" line="+152"/>
        <source>%1: %n temperatures from %2 to %3 %4</source>
        <translation>
            <numerusform>%1: %n temperature from %2 to %3 %4</numerusform>
            <numerusform>%1: %n temperatures from %2 to %3 %4</numerusform>
        </translation>
    </message>
</context>
</TS>
