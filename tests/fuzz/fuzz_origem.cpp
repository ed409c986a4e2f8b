// A origem de um registro e o seu texto de gravação. Propriedades: toda origem de 64
// bits escreve um texto que a leitura estrita aceita e que volta aos mesmos campos; um
// texto que a leitura estrita aceita, reescrito, volta igual; a leitura tolerante
// aceita qualquer texto sem ler fora dele.
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_apoio.h"
#include "vrmwnd/base/CQZQuemGerou.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pDados, std::size_t nTamanho) {
  if (nTamanho > 300) return 0;
  if (nTamanho >= 8) {
    std::uint64_t valor = 0;
    std::memcpy(&valor, pDados, 8);
    REG_QZDMC reg;
    reg.SetValor(valor);
    const CQZQuemGerou origem(reg);
    const CString texto = origem.GetDescricaoCompleta();
    CQZQuemGerou lida;
    EXIGE(lida.LeDescricaoCompleta(texto), "0x%016llX escreveu \"%s\", que não se lê",
          static_cast<unsigned long long>(valor), texto.GetString());
    EXIGE(lida == origem, "0x%016llX -> \"%s\" -> 0x%016llX", static_cast<unsigned long long>(valor), texto.GetString(),
          static_cast<unsigned long long>(lida.GetRegQuemGerou().Valor()));
    EXIGE(CQZQuemGerou(texto) == origem, "leitura tolerante de \"%s\"", texto.GetString());
  }
  const std::string strTexto = Texto(pDados, nTamanho);
  if (strTexto.find('\0') != std::string::npos) return 0;
  const CString texto(strTexto.c_str());
  CQZQuemGerou tolerante;
  tolerante.SetDescricaoCompleta(texto);
  CQZQuemGerou estrita;
  if (estrita.LeDescricaoCompleta(texto)) {
    EXIGE(estrita == tolerante, "as duas leituras de \"%s\" diferem", strTexto.c_str());
    const CString reescrito = estrita.GetDescricaoCompleta();
    CQZQuemGerou relida;
    EXIGE(relida.LeDescricaoCompleta(reescrito) && relida == estrita, "\"%s\" -> \"%s\"", strTexto.c_str(),
          reescrito.GetString());
  }
  return 0;
}
