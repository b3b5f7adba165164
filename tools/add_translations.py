#!/usr/bin/env python3
"""Adds or replaces the English texts of one window context in translations/tonnelix_en.ts.

Usage: add_translations.py CONTEXT FILE, where FILE holds lines "French<TAB>English".
"""
import sys
from xml.sax.saxutils import escape

ts_path = 'translations/tonnelix_en.ts'
context, pairs_path = sys.argv[1], sys.argv[2]
pairs = [line.rstrip('\n').split('\t') for line in open(pairs_path, encoding='utf-8') if line.strip()]
ts = open(ts_path, encoding='utf-8').read()

block = ['<context>', f'    <name>{escape(context)}</name>']
for french, english in pairs:
    q = {'"': '&quot;', "'": '&apos;'}
    block += ['    <message>', f'        <source>{escape(french, q)}</source>',
              f'        <translation>{escape(english, q)}</translation>', '    </message>']
block.append('</context>')
text = '\n'.join(block) + '\n'

start = ts.find(f'<context>\n    <name>{context}</name>')
if start >= 0:
    end = ts.find('</context>', start) + len('</context>\n')
    ts = ts[:start] + text + ts[end:]
else:
    ts = ts.replace('</TS>', text + '</TS>')
open(ts_path, 'w', encoding='utf-8').write(ts)
