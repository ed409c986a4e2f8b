// CQZString e CQZArray<T>: a cadeia e o vetor da biblioteca base, o CString e o
// CArray da plataforma. CQZArray<CQZString> separa um texto em partes por um
// caractere delimitador.
#pragma once

#include <concepts>

#include "vrmwnd/platform/CArray.h"
#include "vrmwnd/platform/CString.h"

using CQZString = CString;

template <class T>
class CQZArray : public CArray<T> {
 public:
  // Troca o conteúdo pelas partes de texto entre ocorrências de cDelimitador e
  // devolve quantas são. Delimitadores seguidos, no início ou no fim dão partes
  // vazias ("a;;b;" -> "a", "", "b", ""); texto vazio não dá parte nenhuma; texto
  // sem o delimitador dá uma parte, ele inteiro. O delimitador é um caractere
  // ASCII: um byte acima de 127 nunca é um caractere inteiro em UTF-8, então não
  // separa nada (o texto vira uma parte só, sem cortar caracteres acentuados).
  INT_PTR Split(const CQZString& texto, char cDelimitador) requires std::same_as<T, CQZString> {
    this->RemoveAll();
    if (texto.IsEmpty()) return 0;
    int iInicio = 0;
    if (static_cast<unsigned char>(cDelimitador) < 0x80) {
      for (int iPos; (iPos = texto.Find(cDelimitador, iInicio)) != -1; iInicio = iPos + 1) {
        this->Add(texto.Mid(iInicio, iPos - iInicio));
      }
    }
    this->Add(texto.Mid(iInicio));
    return this->GetSize();
  }
};
