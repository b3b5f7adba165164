<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- French is the source language of every text: this module holds no translation.
     Loading it after the English module brings the built-in French texts back. -->
<TS version="2.1" language="fr_FR" sourcelanguage="fr">
</TS>
