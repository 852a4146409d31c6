[Element]
