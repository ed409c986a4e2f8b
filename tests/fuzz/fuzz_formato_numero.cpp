// GetNumberFormatA com formato explícito. Propriedades: para um número simples
// ("-123.456") o texto é o de um formatador de referência escrito sobre os algarismos
// (meio para longe do zero, grupos de 3 ou 3 e depois 2, os cinco jeitos de negativo);
// o tamanho pedido com cchNumber 0 é o que a escrita usa; um buffer um caractere menor
// falha com ERROR_INSUFFICIENT_BUFFER sem escrever além dele.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_apoio.h"
#include "vrmwnd/platform/numfmt.h"
#include "vrmwnd/platform/wintypes.h"

namespace {

bool Simples(const std::string& s) {
  const std::size_t i = !s.empty() && s[0] == '-' ? 1 : 0;
  const std::size_t nPonto = s.find('.');
  const std::string inteira = s.substr(i, nPonto == std::string::npos ? std::string::npos : nPonto - i);
  const std::string fracao = nPonto == std::string::npos ? "x" : s.substr(nPonto + 1);
  const auto SoAlgarismos = [](const std::string& t) {
    return !t.empty() && t.size() <= 60 && t.find_first_not_of("0123456789") == std::string::npos;
  };
  return SoAlgarismos(inteira) && (nPonto == std::string::npos || SoAlgarismos(fracao));
}

// Soma 1 ao número em algarismos.
void MaisUm(std::string& algarismos) {
  for (std::size_t k = algarismos.size(); k-- > 0;) {
    if (algarismos[k] != '9') {
      ++algarismos[k];
      return;
    }
    algarismos[k] = '0';
  }
  algarismos.insert(algarismos.begin(), '1');
}

std::string Referencia(const std::string& s, const NUMBERFMTA& f) {
  const bool bNegativo = s[0] == '-';
  const std::size_t i = bNegativo ? 1 : 0;
  const std::size_t nPonto = s.find('.');
  std::string inteira = s.substr(i, nPonto == std::string::npos ? std::string::npos : nPonto - i);
  std::string fracao = nPonto == std::string::npos ? "" : s.substr(nPonto + 1);
  const bool bSobe = fracao.size() > f.NumDigits && fracao[f.NumDigits] >= '5';
  fracao.resize(f.NumDigits, '0');
  std::string todos = inteira + fracao;
  if (bSobe) MaisUm(todos);
  inteira = todos.substr(0, todos.size() - f.NumDigits);
  fracao = todos.substr(todos.size() - f.NumDigits);
  inteira.erase(0, std::min(inteira.find_first_not_of('0'), inteira.size()));
  const bool bZero = inteira.empty() && fracao.find_first_not_of('0') == std::string::npos;
  if (inteira.empty() && f.LeadingZero) inteira = "0";
  // Grouping em algarismos decimais, do grupo junto à vírgula para fora: 32 é 3 e depois
  // 2 repetido; um 0 final para a repetição (30: só o primeiro grupo de 3).
  std::vector<unsigned> grupos;
  for (unsigned g = f.Grouping; g != 0; g /= 10) grupos.insert(grupos.begin(), g % 10);
  const bool bRepete = !grupos.empty() && grupos.back() != 0;
  if (!bRepete && !grupos.empty()) grupos.pop_back();
  std::string agrupada;
  std::size_t nGrupo = 0;
  unsigned nNoGrupo = 0;
  for (std::size_t k = inteira.size(); k-- > 0;) {
    const bool bHaGrupo = nGrupo < grupos.size() || (bRepete && !grupos.empty());
    const unsigned nTamanhoGrupo = nGrupo < grupos.size()       ? grupos[nGrupo]
                                   : bRepete && !grupos.empty() ? grupos.back()
                                                                : 0;
    if (bHaGrupo && nTamanhoGrupo != 0 && nNoGrupo == nTamanhoGrupo) {
      agrupada.insert(0, f.lpThousandSep);
      nNoGrupo = 0;
      ++nGrupo;
    }
    agrupada.insert(agrupada.begin(), inteira[k]);
    ++nNoGrupo;
  }
  std::string numero = agrupada + (f.NumDigits > 0 ? f.lpDecimalSep + fracao : "");
  if (!bNegativo || bZero) return numero;
  switch (f.NegativeOrder) {
    case 0: return "(" + numero + ")";
    case 1: return "-" + numero;
    case 2: return "- " + numero;
    case 3: return numero + "-";
    default: return numero + " -";
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pDados, std::size_t nTamanho) {
  if (nTamanho < 3 || nTamanho > 130) return 0;
  static char szVirgula[] = ",", szPonto[] = ".", szEspaco[] = " ";
  static constexpr UINT kGrupos[] = {0, 3, 32, 30, 320};
  NUMBERFMTA f{};
  f.NumDigits = pDados[0] % 10;
  f.LeadingZero = (pDados[0] / 10) % 2;
  f.Grouping = kGrupos[pDados[1] % 5];
  f.NegativeOrder = pDados[2] % 5;
  f.lpDecimalSep = pDados[1] & 0x80 ? szPonto : szVirgula;
  f.lpThousandSep = pDados[2] & 0x80 ? szEspaco : pDados[1] & 0x80 ? szVirgula : szPonto;
  const std::string texto = Texto(pDados + 3, nTamanho - 3);
  if (texto.find('\0') != std::string::npos) return 0;

  const int nPedido = GetNumberFormatA(0, 0, texto.c_str(), &f, nullptr, 0);
  if (!Simples(texto)) {
    if (nPedido == 0)
      EXIGE(GetLastError() == ERROR_INVALID_PARAMETER, "\"%s\": erro %u", texto.c_str(),
            static_cast<unsigned>(GetLastError()));
    return 0;
  }
  if (f.NumDigits == 0 && !f.LeadingZero) return 0;  // o zero sem casas nem zero à esquerda fica em aberto
  const std::string esperado = Referencia(texto, f);
  EXIGE(nPedido == static_cast<int>(esperado.size()) + 1, "\"%s\": pediu %d, esperado \"%s\"", texto.c_str(), nPedido,
        esperado.c_str());
  const auto pBuffer = std::make_unique<char[]>(static_cast<std::size_t>(nPedido));
  EXIGE(GetNumberFormatA(0, 0, texto.c_str(), &f, pBuffer.get(), nPedido) == nPedido, "escrita de \"%s\"",
        texto.c_str());
  EXIGE(esperado == pBuffer.get(), "\"%s\" dígitos %u zero %u grupo %u negativo %u: \"%s\", referência \"%s\"",
        texto.c_str(), f.NumDigits, f.LeadingZero, f.Grouping, f.NegativeOrder, pBuffer.get(), esperado.c_str());
  if (nPedido > 1) {
    const auto pCurto = std::make_unique<char[]>(static_cast<std::size_t>(nPedido - 1));
    EXIGE(GetNumberFormatA(0, 0, texto.c_str(), &f, pCurto.get(), nPedido - 1) == 0 &&
              GetLastError() == ERROR_INSUFFICIENT_BUFFER,
          "buffer curto para \"%s\"", texto.c_str());
  }
  return 0;
}
