#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Turns a .ts file into a pseudo-translation: every text bracketed and 40 % longer, so that a
window shows at a glance what is not marked for translation and what a longer language cuts.
A menu item's shortcut after the tab stays as it is; QLocale patterns stay patterns."""
import math
import sys
import xml.etree.ElementTree as ET


def pseudo(text):
    core, tab, shortcut = text.partition('\t')
    # Padding in words of four, so that text that wraps still wraps.
    pad = ('xxxx ' * len(core))[:math.ceil(0.4 * len(core))].rstrip()
    return '[' + core + (' ' if len(pad) > 3 else '') + pad + ']' + tab + shortcut


tree = ET.parse(sys.argv[1])
for message in tree.getroot().iter('message'):
    source = message.find('source').text or ''
    comment = message.find('comment')
    translation = message.find('translation')
    translation.attrib.pop('type', None)
    is_pattern = comment is not None and 'QLocale pattern' in (comment.text or '')
    translation.text = source if is_pattern else pseudo(source)
tree.write(sys.argv[1], encoding='utf-8', xml_declaration=True)
