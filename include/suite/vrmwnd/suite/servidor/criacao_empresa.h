// Criação e adoção das empresas em arquivo. Uma empresa nova é montada num arquivo
// temporário, numa só transação, com os roteiros do esquema e da amostra, e só então
// renomeada para o lugar e registrada; o primeiro uso de um nome é serializado entre
// processos por uma trava de arquivo. Um banco que existe na pasta padrão sem o seu
// registro é adotado (registrado de novo depois de conferido). Nada aqui apaga ou
// sobrescreve o banco de uma empresa.
#pragma once

#include <string>

#include "vrmwnd/platform/wintypes.h"
#include "vrmwnd/suite/exporta.h"

namespace vrmsuite {

// Pasta padrão dos dados de uma empresa: <pasta da plataforma>/empresas/NOME.
VRMWND_SUITE_API std::string PastaPadraoEmpresa(const std::string& strNome);

// Garante que a empresa existe: registrada com o seu banco, adotada quando o banco
// está na pasta padrão sem registro, senão criada com a amostra. Seguro com vários
// processos ao mesmo tempo: um só cria, os outros esperam e a encontram pronta.
// S_OK; na falha, o código e o motivo em strErro (um banco registrado que falta não é
// recriado: a falta é dita).
VRMWND_SUITE_API HRESULT GaranteEmpresaDeAmostra(const std::string& strNome, std::string& strErro);

// "empresa criar": cria a empresa de amostra na pasta padrão e a registra. S_OK
// criada; S_FALSE quando o banco já estava na pasta padrão sem registro e foi adotado;
// E_FAIL ("já existe") quando a empresa registrada já tem banco.
VRMWND_SUITE_API HRESULT CriaEmpresaDeAmostra(const std::string& strNome, std::string& strErro);

// Adota o banco que está na pasta padrão de uma empresa sem registro: confere que é
// um banco de empresa íntegro e grava o "Path" da empresa. S_OK adotada ou já
// registrada; E_FAIL sem banco na pasta padrão, QZ_E_BANCO_DE_DADOS quando o arquivo
// não é um banco de empresa (fica onde está).
VRMWND_SUITE_API HRESULT AdotaEmpresa(const std::string& strNome, std::string& strErro);

}  // namespace vrmsuite
