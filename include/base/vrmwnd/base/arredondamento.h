// Arredondamento dos valores de casas fixas da biblioteca base: um inteiro bruto com
// P casas implícitas (4 no CQZCurrencyEx, 8 no CQZCurrencyEx8) levado a d casas, e
// os ajustes de casas e modo que os dois valores dividem.
//
// | modo | nome             | regra                                              |
// |------|------------------|----------------------------------------------------|
// | 0    | ARREDONDA_MEIO   | ao mais próximo, meios para longe do zero           |
// | 1    | TRUNCA           | em direção ao zero                                  |
// | 2    | ARREDONDA_PAR    | ao mais próximo, meio exato para o dígito par       |
// | 3    | ARREDONDA_CIMA   | para longe do zero (qualquer resto sobe)            |
//
// Com d = P nada muda; um modo fora de 0..3 deixa o valor como está.
#pragma once

#include <cstdint>

#include "vrmwnd/base/exporta.h"
#include "vrmwnd/platform/wintypes.h"

enum {
  ARREDONDA_MEIO = 0,
  TRUNCA = 1,
  ARREDONDA_PAR = 2,
  ARREDONDA_CIMA = 3,
};

// nCasas em 0..nCasasImplicitas (o chamador garante); devolve o bruto arredondado.
// Quando o arredondado não cabe na faixa (perto de ±2^63, subindo) o bruto volta sem
// arredondar: o valor nunca troca de sinal.
VRMWND_BASE_API std::int64_t QZArredondaBruto(std::int64_t bruto, int nCasas, int nModo, int nCasasImplicitas);
// O mesmo arredondamento, dizendo o estouro como as rotinas de dinheiro da plataforma:
// S_OK e o arredondado em *pResultado, ou DISP_E_OVERFLOW com *pResultado intocado.
VRMWND_BASE_API HRESULT QZArredondaBrutoVerificado(std::int64_t bruto, int nCasas, int nModo, int nCasasImplicitas,
                                                   std::int64_t* pResultado);

// Os ajustes de um valor TValor de kCasasImplicitas casas implícitas, sobre os seus
// m_cyValor, m_nCasasDecimais e m_nModoArredondamento: toda mudança arredonda de novo
// o valor guardado. TValor deriva desta classe e a declara amiga.
template <class TValor, int kCasasImplicitas>
class TQZAjustesArredondamento {
 public:
  // Duas casas se bDuasCasas, senão as kCasasImplicitas; modo 0 se bArredonda, senão 1.
  void SetCasasDecimais(bool bDuasCasas, bool bArredonda) {
    TValor& v = Valor();
    v.m_nCasasDecimais = static_cast<decltype(v.m_nCasasDecimais)>(bDuasCasas ? 2 : kCasasImplicitas);
    v.m_nModoArredondamento = bArredonda ? ARREDONDA_MEIO : TRUNCA;
    Arredonda();
  }
  // Modo 0 se bArredonda, senão 1.
  void SetArredonda(bool bArredonda) { SetModoArredondamento(bArredonda ? ARREDONDA_MEIO : TRUNCA); }
  // Aceita qualquer int; fora de 0..3 os valores deixam de ser arredondados.
  void SetModoArredondamento(int nModo) {
    Valor().m_nModoArredondamento = nModo;
    Arredonda();
  }
  // Arredonda de novo com as casas e o modo atuais.
  void Arredonda() {
    TValor& v = Valor();
    v.m_cyValor.int64 =
        QZArredondaBruto(v.m_cyValor.int64, v.m_nCasasDecimais, v.m_nModoArredondamento, kCasasImplicitas);
  }

 private:
  TValor& Valor() { return static_cast<TValor&>(*this); }
};
